// The column tree control: a tree view under a header in one window, scrolled sideways together.
#include "ColumnTree.h"

#include "CommonControls.h"
#include "TreeViewItems.h"

#include <algorithm>
#include <vector>

namespace
{

// A control's style: window styles in the high word, its class's in the low.
const DWORD WindowStyles = 0xFFFF0000;
const DWORD ClassStyles = 0x0000FFFF;
// Tree-view messages: TVM_* from TV_FIRST up to the header's HDM_FIRST.
const UINT TreeMessagesEnd = HDM_FIRST;
// Sideways scrolling by one step of the arrows, in pixels.
const int ScrollLineStep = 20;
// Showing the tree's scroll bar changes the room for the columns, which can
// show or hide the sideways scroll bar; this settles within three passes.
const int MaxLayoutPasses = 3;

// What a window's frame and scroll bars take of its width.
int FrameWidth(HWND hwnd)
{
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    return (window.right - window.left) - client.right;
}

} // namespace

CColumnTree::CColumnTree() : m_painter(m_columns, m_texts), m_tree([this]() { Layout(); }) {}

CColumnTree::~CColumnTree()
{
    // The window goes while the members that answer its notifications still
    // exist.
    DestroyWindow();
}

bool CColumnTree::Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle)
{
    InitCommonControlClasses();
    const DWORD windowStyle = (style & WindowStyles & ~WS_TABSTOP) | WS_CHILD | WS_CLIPCHILDREN;
    // Dialog navigation looks inside for the tree's tab stop.
    if (!CreateEx(exStyle | WS_EX_CONTROLPARENT, "", windowStyle, rect, parent, id))
        return false;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (!m_columns.Create(m_hWnd, HeaderId,
                          std::max(0, static_cast<int>(client.right) - GetSystemMetrics(SM_CXVSCROLL))))
        return false;
    // The window scrolls the tree sideways, so the tree itself never does.
    const DWORD treeStyle =
        WS_CHILD | WS_VISIBLE | (style & (WS_TABSTOP | ClassStyles)) | TVS_SHOWSELALWAYS | TVS_NOHSCROLL;
    HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "", treeStyle, 0, 0, 0, 0, m_hWnd,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(TreeId)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE)), nullptr);
    if (!tree)
        return false;
    m_tree.SubclassWindow(tree);
    SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return true;
}

bool CColumnTree::SubclassDlgItem(HWND dialog, UINT id)
{
    HWND control = ::GetDlgItem(dialog, id);
    if (!control)
        return false;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE));
    const WPARAM font = static_cast<WPARAM>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (!Create(style, rect, dialog, id, exStyle))
        return false;
    // Right behind the control in the tab order, which it then leaves.
    SetWindowPos(m_hWnd, control, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::DestroyWindow(control);
    if (font)
        SendMessageA(m_hWnd, WM_SETFONT, font, FALSE);
    return true;
}

DWORD CColumnTree::GetDecorations() const
{
    return static_cast<DWORD>(GetWindowLongA(TreeHandle(), GWL_STYLE)) & AllDecorations;
}

void CColumnTree::SetDecorations(DWORD decorations)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongA(TreeHandle(), GWL_STYLE));
    SetWindowLongA(TreeHandle(), GWL_STYLE, (style & ~AllDecorations) | (decorations & AllDecorations));
    InvalidateRect(TreeHandle(), nullptr, TRUE);
}

int CColumnTree::InsertColumn(int index, const std::string& heading, ColumnAlignment alignment, int width)
{
    const int column = m_columns.Insert(std::clamp(index, 1, m_columns.Count()), heading, alignment, width);
    if (column < 1)
        return -1;
    m_texts.InsertColumn(column);
    OnColumnsChanged();
    return column;
}

void CColumnTree::SetColumnWidth(int column, int width)
{
    // Not every header tells its parent about widths set by message.
    m_columns.SetWidth(column, width);
    OnColumnsChanged();
}

HTREEITEM CColumnTree::InsertItem(HTREEITEM parent, const std::string& text)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(TreeHandle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::string CColumnTree::GetItemText(HTREEITEM item, int column) const
{
    if (column != 0)
        return m_texts.Get(item, column);
    // The tree copies what fits; a text that fills the buffer may be longer.
    for (std::size_t size = 256;; size *= 2)
    {
        std::vector<char> buffer(size);
        TVITEMA get{};
        get.mask = TVIF_TEXT;
        get.hItem = item;
        get.pszText = buffer.data();
        get.cchTextMax = static_cast<int>(size);
        if (!SendMessageA(TreeHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&get)))
            return std::string();
        const std::string text(get.pszText);
        if (text.size() + 1 < size)
            return text;
    }
}

void CColumnTree::SetItemText(HTREEITEM item, int column, const std::string& text)
{
    if (column == 0)
    {
        TVITEMA set{};
        set.mask = TVIF_TEXT;
        set.hItem = item;
        set.pszText = const_cast<char*>(text.c_str());
        SendMessageA(TreeHandle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&set));
    }
    else if (column > 0 && column < m_columns.Count())
    {
        m_texts.Set(item, column, text);
        InvalidateRow(item);
    }
}

const std::string* CColumnTree::GetItemData(HTREEITEM item) const
{
    TVITEMA get{};
    get.mask = TVIF_PARAM;
    get.hItem = item;
    SendMessageA(TreeHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&get));
    return reinterpret_cast<const std::string*>(get.lParam);
}

void CColumnTree::SetItemData(HTREEITEM item, const std::string* data)
{
    TVITEMA set{};
    set.mask = TVIF_PARAM;
    set.hItem = item;
    set.lParam = reinterpret_cast<LPARAM>(data);
    SendMessageA(TreeHandle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&set));
}

unsigned CColumnTree::GetCount() const
{
    return static_cast<unsigned>(SendMessageA(TreeHandle(), TVM_GETCOUNT, 0, 0));
}

bool CColumnTree::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message)
    {
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam, result);
    case WM_SIZE:
        Layout();
        return false;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam));
        result = 0;
        return true;
    case WM_SETFOCUS:
        SetFocus(TreeHandle());
        result = 0;
        return true;
    case WM_SETFONT:
        SendMessageA(m_columns.Handle(), WM_SETFONT, wParam, lParam);
        SendMessageA(TreeHandle(), WM_SETFONT, wParam, lParam);
        Layout();
        result = 0;
        return true;
    case WM_GETFONT:
        result = SendMessageA(TreeHandle(), WM_GETFONT, 0, 0);
        return true;
    default:
        if (message >= TV_FIRST && message < TreeMessagesEnd && TreeHandle())
        {
            result = SendMessageA(TreeHandle(), message, wParam, lParam);
            return true;
        }
        return false;
    }
}

void CColumnTree::OnFinalDestroy()
{
    m_columns.Detach();
    m_texts.Clear();
    m_scroll = 0;
}

bool CColumnTree::OnNotify(const NMHDR& notification, LPARAM lParam, LRESULT& result)
{
    if (notification.hwndFrom == m_columns.Handle())
    {
        if (notification.code == HDN_ITEMCHANGEDA || notification.code == HDN_ITEMCHANGEDW)
            OnColumnsChanged();
        return false;
    }
    if (!TreeHandle() || notification.hwndFrom != TreeHandle())
        return false;
    const auto& change = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
    switch (notification.code)
    {
    case NM_CUSTOMDRAW:
        result = m_painter.OnCustomDraw(*reinterpret_cast<const NMTVCUSTOMDRAW*>(lParam));
        return true;
    case TVN_SELCHANGEDA:
        m_tree.OnSelChanged(change);
        return false;
    case TVN_ITEMEXPANDINGA:
        m_tree.OnItemExpanding(change);
        return false;
    case TVN_DELETEITEMA:
        m_texts.Erase(change.itemOld.hItem);
        m_tree.OnDeleteItem(change.itemOld.hItem);
        return false;
    default:
        return false;
    }
}

void CColumnTree::OnHScroll(int request)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(m_hWnd, SB_HORZ, &info);
    const int page = static_cast<int>(info.nPage);
    switch (request)
    {
    case SB_LINELEFT:
        m_scroll = info.nPos - ScrollLineStep;
        break;
    case SB_LINERIGHT:
        m_scroll = info.nPos + ScrollLineStep;
        break;
    case SB_PAGELEFT:
        m_scroll = info.nPos - page;
        break;
    case SB_PAGERIGHT:
        m_scroll = info.nPos + page;
        break;
    case SB_LEFT:
        m_scroll = info.nMin;
        break;
    case SB_RIGHT:
        m_scroll = info.nMax;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        m_scroll = info.nTrackPos;
        break;
    default:
        return;
    }
    // Layout keeps the position within the range.
    Layout();
}

void CColumnTree::OnColumnsChanged()
{
    Layout();
    InvalidateRect(TreeHandle(), nullptr, TRUE);
}

void CColumnTree::Layout()
{
    if (m_layingOut || !TreeHandle() || !m_columns.Handle())
        return;
    m_layingOut = true;
    for (int pass = 0; pass < MaxLayoutPasses && !Arrange(); ++pass)
    {
    }
    m_layingOut = false;
}

bool CColumnTree::Arrange()
{
    const HWND tree = TreeHandle();
    const int treeFrame = FrameWidth(tree);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = std::max(0, m_columns.TotalWidth() - 1);
    info.nPage = static_cast<UINT>(std::max(0, static_cast<int>(client.right) - treeFrame));
    info.nPos = m_scroll;
    SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);
    m_scroll = GetScrollPos(m_hWnd, SB_HORZ);

    // The sideways scroll bar may have come or gone.
    GetClientRect(m_hWnd, &client);
    const int headerHeight = m_columns.Height();
    const int width = client.right + m_scroll;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(m_columns.Handle(), nullptr, -m_scroll, 0, width, headerHeight, flags);
    SetWindowPos(tree, nullptr, -m_scroll, headerHeight, width,
                 std::max(0, static_cast<int>(client.bottom) - headerHeight), flags);
    return FrameWidth(tree) == treeFrame;
}

void CColumnTree::InvalidateRow(HTREEITEM item)
{
    // A tree not shown (hidden, or its redraw off while it is filled) is
    // drawn whole when it shows again.
    if (!IsWindowVisible(TreeHandle()))
        return;
    RECT row{};
    if (TreeItemRect(TreeHandle(), item, false, row))
        InvalidateRect(TreeHandle(), &row, FALSE);
}
