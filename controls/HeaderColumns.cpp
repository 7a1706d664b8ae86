// The column tree's header control, which alone holds the columns' headings, widths and alignments.
#include "HeaderColumns.h"

#include <commctrl.h>

namespace
{

int FormatOf(ColumnAlignment alignment)
{
    switch (alignment)
    {
    case ColumnAlignment::Centre:
        return HDF_STRING | HDF_CENTER;
    case ColumnAlignment::Right:
        return HDF_STRING | HDF_RIGHT;
    default:
        return HDF_STRING | HDF_LEFT;
    }
}

ColumnAlignment AlignmentOf(int format)
{
    switch (format & HDF_JUSTIFYMASK)
    {
    case HDF_CENTER:
        return ColumnAlignment::Centre;
    case HDF_RIGHT:
        return ColumnAlignment::Right;
    default:
        return ColumnAlignment::Left;
    }
}

} // namespace

bool CHeaderColumns::Create(HWND parent, UINT id, int firstWidth)
{
    // Full drag: the rows follow the divider while it moves, not only at the end.
    m_header = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_FULLDRAG, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
    return m_header && Insert(0, "", ColumnAlignment::Left, firstWidth) == 0;
}

int CHeaderColumns::Count() const
{
    return static_cast<int>(SendMessageA(m_header, HDM_GETITEMCOUNT, 0, 0));
}

int CHeaderColumns::Insert(int index, const std::string& heading, ColumnAlignment alignment, int width)
{
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<char*>(heading.c_str());
    item.cxy = width;
    item.fmt = FormatOf(alignment);
    return static_cast<int>(SendMessageA(m_header, HDM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item)));
}

int CHeaderColumns::Width(int column) const
{
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    return SendMessageA(m_header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item)) ? item.cxy : 0;
}

void CHeaderColumns::SetWidth(int column, int width)
{
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    SendMessageA(m_header, HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));
}

void CHeaderColumns::SetHeading(int column, const std::string& heading)
{
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<char*>(heading.c_str());
    SendMessageA(m_header, HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));
}

CHeaderColumns::Span CHeaderColumns::SpanOf(int column) const
{
    RECT rect{};
    SendMessageA(m_header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&rect));
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    SendMessageA(m_header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
    return Span{rect.left, rect.right, AlignmentOf(item.fmt)};
}

int CHeaderColumns::TotalWidth() const
{
    const int count = Count();
    return count > 0 ? SpanOf(count - 1).right : 0;
}

int CHeaderColumns::Height() const
{
    RECT bounds{0, 0, 1000, 1000};
    WINDOWPOS position{};
    HDLAYOUT layout{&bounds, &position};
    SendMessageA(m_header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    return position.cy;
}
