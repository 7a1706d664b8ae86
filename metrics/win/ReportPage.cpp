// Draws the printed metrics report's pages, with the font and line step of the front end that prints them.
#include "ReportPage.h"

#include "GdiObjects.h"
#include "ReportLayout.h"

#include <cstdlib>
#include <string>

namespace
{

HFONT CreateReportFont(int height)
{
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
}

// The program steps 1.1 times the font's height; the add-in measures a line
// of the selected font. Measured without vertical centring: centred in the
// empty measuring rectangle, a line reports only the half below its middle,
// and rows would overlap.
int LineStep(HDC dc, FrontEnd frontEnd, int fontHeight)
{
    if (frontEnd == FrontEnd::Standalone)
        return std::abs(fontHeight) * 11 / 10;
    RECT measured = {0, 0, 0, 0};
    return DrawTextA(dc, "Test", -1, &measured, DT_SINGLELINE | DT_CALCRECT);
}

void DrawAligned(HDC dc, const std::string& text, RECT& rect, int right, UINT alignment)
{
    rect.right = right;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_NOPREFIX | alignment);
}

} // namespace

int CReportPage::PageCount() const
{
    return CReportLayout::PageCount(m_tree);
}

void CReportPage::DrawPage(HDC dc, const RECT& area, int page) const
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int fontHeight = height / (m_frontEnd == FrontEnd::Standalone ? -80 : -75);
    const CReportLayout::Columns columns = CReportLayout::ColumnsFor(width);

    CGdiObject<HFONT> font(CreateReportFont(fontHeight));
    CSelectedObject selected(dc, font.Get());
    const int step = LineStep(dc, m_frontEnd, fontHeight);

    RECT rect = {columns.left, area.top, area.right, area.top + step};
    DrawAligned(dc, CReportLayout::FileHeader, rect, area.right, DT_LEFT);
    DrawAligned(dc, CReportLayout::LinesHeader, rect, columns.linesRight, DT_RIGHT);
    DrawAligned(dc, CReportLayout::CommentsHeader, rect, columns.commentsRight, DT_RIGHT);
    MoveToEx(dc, columns.left, rect.bottom, nullptr);
    LineTo(dc, columns.commentsRight, rect.bottom);
    SetBkMode(dc, TRANSPARENT);

    for (const CReportLayout::Row& row : CReportLayout::PageRows(m_tree, page))
    {
        OffsetRect(&rect, 0, step);
        DrawAligned(dc, row.text, rect, columns.commentsRight, DT_LEFT);
        DrawAligned(dc, row.lines, rect, columns.linesRight, DT_RIGHT);
        DrawAligned(dc, row.comments, rect, columns.commentsRight, DT_RIGHT);
    }
}
