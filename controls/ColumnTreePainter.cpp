// The column tree's custom draw: the extra columns' texts in each row, and the full-row selection colours.
#include "ColumnTreePainter.h"

#include "TreeViewItems.h"

#include <string>

namespace
{

// Room between a cell's edges and its text, as the header leaves it.
const int CellPadding = 6;

UINT DrawTextAlignment(ColumnAlignment alignment)
{
    switch (alignment)
    {
    case ColumnAlignment::Centre:
        return DT_CENTER;
    case ColumnAlignment::Right:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

COLORREF TreeColour(HWND tree, UINT message, int systemColour)
{
    const COLORREF set = static_cast<COLORREF>(SendMessageA(tree, message, 0, 0));
    return set == CLR_NONE ? GetSysColor(systemColour) : set;
}

void Fill(HDC dc, const RECT& rect, COLORREF colour)
{
    if (rect.right <= rect.left)
        return;
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// Restores everything drawing changes in the tree's device context.
class CSavedDC
{
public:
    explicit CSavedDC(HDC dc) : m_dc(dc), m_state(SaveDC(dc)) {}
    ~CSavedDC() { RestoreDC(m_dc, m_state); }
    CSavedDC(const CSavedDC&) = delete;
    CSavedDC& operator=(const CSavedDC&) = delete;

private:
    HDC m_dc;
    int m_state;
};

} // namespace

CColumnTreePainter::CColumnTreePainter(const CHeaderColumns& columns, const CColumnTexts& texts)
    : m_columns(columns), m_texts(texts)
{
}

LRESULT CColumnTreePainter::OnCustomDraw(const NMTVCUSTOMDRAW& draw)
{
    switch (draw.nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        m_text = draw.clrText;
        m_back = draw.clrTextBk;
        return CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT:
        PaintCells(draw);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

void CColumnTreePainter::PaintCells(const NMTVCUSTOMDRAW& draw) const
{
    const HWND tree = draw.nmcd.hdr.hwndFrom;
    const HTREEITEM item = reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec);
    const HDC dc = draw.nmcd.hdc;
    const RECT& row = draw.nmcd.rc;
    // With full-row selection the row takes the label's colours; otherwise
    // only the label shows the item's state.
    const bool fullRow = (GetWindowLongA(tree, GWL_STYLE) & TVS_FULLROWSELECT) != 0;
    const COLORREF text = fullRow ? m_text : TreeColour(tree, TVM_GETTEXTCOLOR, COLOR_WINDOWTEXT);
    const COLORREF back = fullRow ? m_back : TreeColour(tree, TVM_GETBKCOLOR, COLOR_WINDOW);

    CSavedDC saved(dc);
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(tree, WM_GETFONT, 0, 0)))
        SelectObject(dc, font);
    if (fullRow)
    {
        RECT label{};
        if (TreeItemRect(tree, item, true, label))
            Fill(dc, RECT{label.right, row.top, m_columns.SpanOf(0).right, row.bottom}, back);
    }
    const int count = m_columns.Count();
    for (int column = 1; column < count; ++column)
    {
        const CHeaderColumns::Span span = m_columns.SpanOf(column);
        const RECT cell{span.left, row.top, span.right, row.bottom};
        Fill(dc, cell, back);
        const std::string cellText = m_texts.Get(item, column);
        RECT textRect{cell.left + CellPadding, cell.top, cell.right - CellPadding, cell.bottom};
        SetTextColor(dc, text);
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, cellText.c_str(), static_cast<int>(cellText.size()), &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DrawTextAlignment(span.alignment));
    }
}
