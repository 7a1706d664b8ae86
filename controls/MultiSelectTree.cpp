// The column tree's tree view subclassed for multiple selection by click, Ctrl, Shift and keyboard.
#include "MultiSelectTree.h"

#include "TreeViewItems.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

CMultiSelectTree::CMultiSelectTree(std::function<void()> onResize) : m_onResize(std::move(onResize)) {}

bool CMultiSelectTree::IsSelected(HTREEITEM item) const
{
    return (SendMessageA(m_hWnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_SELECTED) & TVIS_SELECTED) != 0;
}

HTREEITEM CMultiSelectTree::Caret() const
{
    return RelatedTreeItem(m_hWnd, TVGN_CARET, nullptr);
}

void CMultiSelectTree::OnSelChanged(const NMTREEVIEWA& change)
{
    // Our own caret moves and a collapse's are not a choice of the user's.
    if (m_movingCaret || m_collapsing || !change.itemNew.hItem)
        return;
    const bool extend = change.action == TVC_BYKEYBOARD && GetKeyState(VK_SHIFT) < 0;
    if (extend && m_anchor)
    {
        ClearSelection();
        if (SelectRange(m_anchor, change.itemNew.hItem))
            return;
    }
    SelectOnly(change.itemNew.hItem);
    m_anchor = change.itemNew.hItem;
}

void CMultiSelectTree::OnItemExpanding(const NMTREEVIEWA& change)
{
    if (!(change.action & TVE_COLLAPSE) || m_collapsing)
        return;
    const HTREEITEM caret = Caret();
    m_collapse =
        CollapseState{caret, caret && IsSelected(caret), change.itemNew.hItem, IsSelected(change.itemNew.hItem)};
    m_collapsing = true;
}

void CMultiSelectTree::OnDeleteItem(HTREEITEM item)
{
    m_selected.erase(item);
    if (item == m_anchor)
        m_anchor = nullptr;
    if (item == m_collapse.caret)
        m_collapse.caret = nullptr;
}

bool CMultiSelectTree::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    // Ctrl+Space's character would start the tree's search by name. The
    // key's state is asked only for keys: under Wine the asking costs a
    // trip to the window server, and every message passes here.
    const auto control = [] { return GetKeyState(VK_CONTROL) < 0; };
    if ((message == WM_LBUTTONDOWN && OnLButtonDown(wParam, lParam)) ||
        (message == WM_KEYDOWN && control() && OnControlKey(static_cast<UINT>(wParam))) ||
        (message == WM_CHAR && wParam == ' ' && control()))
    {
        result = 0;
        return true;
    }
    ++m_depth;
    result = Default(message, wParam, lParam);
    --m_depth;
    switch (message)
    {
    case WM_SIZE:
        if (m_onResize)
            m_onResize();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The tree redraws only its caret; every selected row changes colour.
        InvalidateRect(m_hWnd, nullptr, FALSE);
        break;
    default:
        break;
    }
    // The tree moves its caret out of a collapsed item's children within the
    // message that collapsed it or at its end; either way it is over now.
    if (m_collapsing && m_depth == 0)
    {
        m_collapsing = false;
        if (m_collapse.caret)
            SetSelected(m_collapse.caret, m_collapse.caretSelected);
        SetSelected(m_collapse.item, m_collapse.itemSelected);
    }
    return true;
}

bool CMultiSelectTree::OnLButtonDown(WPARAM keys, LPARAM at)
{
    TVHITTESTINFO hit{};
    hit.pt = POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    SendMessageA(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    // The tree's own handling expands and collapses; clicks on items are
    // ours, so the tree never starts its drag or label editing.
    if (!hit.hItem || (hit.flags & TVHT_ONITEMBUTTON))
        return false;
    const UINT onRow = TVHT_ONITEM | (IsFullRow() ? TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT : 0);
    if (hit.flags & onRow)
        Click(hit.hItem, (keys & MK_CONTROL) != 0, (keys & MK_SHIFT) != 0);
    // Focus after the caret is set: a tree without a caret picks one when it
    // gets the focus.
    SetFocus(m_hWnd);
    return true;
}

bool CMultiSelectTree::OnControlKey(UINT key)
{
    const HTREEITEM caret = Caret();
    if (key == VK_SPACE)
    {
        if (caret)
        {
            SetSelected(caret, !IsSelected(caret));
            m_anchor = caret;
        }
        return true;
    }
    if (key != VK_UP && key != VK_DOWN)
        return false;
    const HTREEITEM next = caret
                               ? RelatedTreeItem(m_hWnd, key == VK_UP ? TVGN_PREVIOUSVISIBLE : TVGN_NEXTVISIBLE, caret)
                               : RelatedTreeItem(m_hWnd, TVGN_ROOT, nullptr);
    if (next)
    {
        const bool selected = IsSelected(next);
        MoveCaret(next);
        SetSelected(next, selected);
        SendMessageA(m_hWnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(next));
    }
    return true;
}

void CMultiSelectTree::Click(HTREEITEM item, bool toggle, bool extend)
{
    const bool wasSelected = IsSelected(item);
    MoveCaret(item);
    if (extend && m_anchor)
    {
        if (!toggle)
            ClearSelection();
        if (SelectRange(m_anchor, item))
            return;
    }
    if (toggle)
        SetSelected(item, !wasSelected);
    else
        SelectOnly(item);
    m_anchor = item;
}

void CMultiSelectTree::SelectOnly(HTREEITEM item)
{
    ClearSelection();
    SetSelected(item, true);
}

bool CMultiSelectTree::SelectRange(HTREEITEM from, HTREEITEM to)
{
    const std::vector<HTREEITEM> visible = VisibleItems();
    auto first = std::find(visible.begin(), visible.end(), from);
    auto last = std::find(visible.begin(), visible.end(), to);
    if (first == visible.end() || last == visible.end())
        return false;
    if (last < first)
        std::swap(first, last);
    for (auto it = first; it <= last; ++it)
        SetSelected(*it, true);
    return true;
}

void CMultiSelectTree::SetSelected(HTREEITEM item, bool selected)
{
    if (selected)
        m_selected.insert(item);
    else
        m_selected.erase(item);
    if (IsSelected(item) == selected)
        return;
    TVITEMA state{};
    state.mask = TVIF_STATE;
    state.hItem = item;
    state.stateMask = TVIS_SELECTED;
    state.state = selected ? TVIS_SELECTED : 0;
    SendMessageA(m_hWnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&state));
    // The whole row: its other columns show the state too.
    RECT row{};
    if (TreeItemRect(m_hWnd, item, false, row))
        InvalidateRect(m_hWnd, &row, FALSE);
}

void CMultiSelectTree::ClearSelection()
{
    // The items selected here and the one the tree selects itself, its
    // caret: a walk over every item would cost a large list dearly.
    std::vector<HTREEITEM> selected(m_selected.begin(), m_selected.end());
    if (const HTREEITEM caret = Caret())
        selected.push_back(caret);
    for (HTREEITEM item : selected)
        SetSelected(item, false);
}

void CMultiSelectTree::MoveCaret(HTREEITEM item)
{
    const HTREEITEM caret = Caret();
    if (caret == item)
        return;
    const bool caretSelected = caret && IsSelected(caret);
    m_movingCaret = true;
    SendMessageA(m_hWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    m_movingCaret = false;
    if (caret)
        SetSelected(caret, caretSelected);
}

std::vector<HTREEITEM> CMultiSelectTree::VisibleItems() const
{
    std::vector<HTREEITEM> items;
    HTREEITEM item = RelatedTreeItem(m_hWnd, TVGN_ROOT, nullptr);
    for (; item; item = RelatedTreeItem(m_hWnd, TVGN_NEXTVISIBLE, item))
        items.push_back(item);
    return items;
}

bool CMultiSelectTree::IsFullRow() const
{
    return (GetWindowLongA(m_hWnd, GWL_STYLE) & TVS_FULLROWSELECT) != 0;
}
