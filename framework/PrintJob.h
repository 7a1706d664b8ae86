#pragma once

#include "PrintedPages.h"

#include <string>

// One print job: a range of pages as one document on a printer's device
// context. Every step that can fail is checked, and a failure is described
// with the printer's name and the step, for the message the user sees.
class CPrintJob
{
public:
    static bool Print(HDC dc, const std::string& printer, const std::string& document, const IPrintedPages& pages,
                      int first, int last, std::string& error);
    // The whole printable area of a printer, where a page is drawn.
    static RECT PrintableArea(HDC dc);
    // What the user is told when a step of printing fails.
    static std::string Failure(const std::string& printer, const std::string& step);
};
