#pragma once

#include "FrontEnd.h"
#include "MetricsTree.h"
#include "PrintedPages.h"

// The pages of the printed metrics report: on each, a header line and up to
// 70 rows of the list, each project followed by its files, with the texts
// the list shows. The standalone program draws into the drawing rectangle
// its print or preview run hands over; the add-in prints on the whole page,
// with a slightly larger font and its line step measured from the font.
class CReportPage : public IPrintedPages
{
public:
    CReportPage(const IMetricsTree& tree, FrontEnd frontEnd) : m_tree(tree), m_frontEnd(frontEnd) {}

    int PageCount() const override;
    // A page past the rows draws the header only.
    void DrawPage(HDC dc, const RECT& area, int page) const override;

private:
    const IMetricsTree& m_tree;
    FrontEnd m_frontEnd;
};
