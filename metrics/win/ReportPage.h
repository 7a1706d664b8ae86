#pragma once

#include "MetricsTree.h"

#include <windows.h>

// Draws one page of the printed metrics report: a header line and up to 70
// rows of the list, each project followed by its files, with the texts the
// list shows. The standalone program draws into the drawing rectangle the
// print or preview run hands it; the add-in prints on the whole page, with a
// slightly larger font and its line step measured from the font.
class CReportPage
{
public:
    enum class Flavour
    {
        Program,
        AddIn
    };

    // The add-in's area: the printer's whole page, from its resolutions.
    static RECT FullPage(HDC dc);

    // page is 1-based; a page past the rows draws the header only.
    static void Draw(HDC dc, const RECT& area, Flavour flavour, const IMetricsTree& tree, int page);
};
