#pragma once

#include "PrintedPages.h"

#include <string>
#include <vector>

// One print job: a range of pages as one document on a printer's device
// context. Every step that can fail is checked, and a failure is described
// with the printer's name and the step, for the message the user sees.
class CPrintJob
{
public:
    // Prints the pages in order (page numbers may repeat, for copies).
    static bool Print(HDC dc, const std::string& printer, const std::string& document, const IPrintedPages& pages,
                      const std::vector<int>& order, std::string& error);
    // The pages of copies copies of first to last, in the order they are
    // printed: each copy whole when collated, else each page as many times
    // in a row.
    static std::vector<int> PageOrder(int first, int last, int copies, bool collate);
    // The whole printable area of a printer, where a page is drawn.
    static RECT PrintableArea(HDC dc);
    // What the user is told when a step of printing fails.
    static std::string Failure(const std::string& printer, const std::string& step);
};
