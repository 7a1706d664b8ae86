#pragma once

#include <windows.h>

// What a print run or a print preview shows: a number of pages, each drawn on
// a device context within a rectangle given in the printer's units.
class IPrintedPages
{
public:
    virtual ~IPrintedPages() = default;

    virtual int PageCount() const = 0;
    // page is 1-based.
    virtual void DrawPage(HDC dc, const RECT& area, int page) const = 0;
};
