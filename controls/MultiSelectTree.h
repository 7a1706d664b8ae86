#pragma once

#include "Wnd.h"

#include <commctrl.h>

#include <functional>
#include <unordered_set>
#include <vector>

// The tree view of a column tree, subclassed for multiple selection:
//   click           selects that item alone
//   Ctrl+click      adds the item to the selection or takes it out
//   Shift+click     selects the items from the anchor to it, in visible order
//                   (Ctrl+Shift+click adds them)
//   the caret moved by the keyboard or by TVM_SELECTITEM (from any process)
//                   selects that item alone; Shift+arrow extends from the anchor
//   Ctrl+Up/Down    moves the caret (the focus) and leaves the selection be
//   Ctrl+Space      adds the caret's item to the selection or takes it out
// An item's selected state is the tree's own TVIS_SELECTED bit, so other
// programs read it with TVM_GETITEMSTATE and the tree draws it. The tree
// itself moves that bit only along with its caret; this class keeps the rest.
// Collapsing an item changes no selected state.
class CMultiSelectTree : public CWnd
{
public:
    // onResize runs when the tree's client area changes size, as when its
    // vertical scroll bar comes or goes.
    explicit CMultiSelectTree(std::function<void()> onResize);

    bool IsSelected(HTREEITEM item) const;

    // The tree's notifications, which go to its parent; the parent passes
    // them on.
    void OnSelChanged(const NMTREEVIEWA& change);
    void OnItemExpanding(const NMTREEVIEWA& change);
    void OnDeleteItem(HTREEITEM item);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The selected states that collapsing an item must keep: the tree moves
    // its caret (and the caret's selected bit) from a hidden child to the
    // collapsed item, with or without telling.
    struct CollapseState
    {
        HTREEITEM caret;
        bool caretSelected;
        HTREEITEM item;
        bool itemSelected;
    };

    // True when the click was taken here, false for the tree's own handling.
    bool OnLButtonDown(WPARAM keys, LPARAM at);
    // A key pressed with Ctrl; true when it was taken here.
    bool OnControlKey(UINT key);
    void Click(HTREEITEM item, bool toggle, bool extend);
    void SelectOnly(HTREEITEM item);
    // False when either end is hidden under a collapsed item.
    bool SelectRange(HTREEITEM from, HTREEITEM to);
    void SetSelected(HTREEITEM item, bool selected);
    void ClearSelection();
    // Moves the caret to item and leaves every selected bit as it was.
    void MoveCaret(HTREEITEM item);
    HTREEITEM Caret() const;
    std::vector<HTREEITEM> VisibleItems() const;
    bool IsFullRow() const;

    std::function<void()> m_onResize;
    // The items this class selected, some perhaps since taken out by the tree.
    std::unordered_set<HTREEITEM> m_selected;
    HTREEITEM m_anchor = nullptr;
    bool m_movingCaret = false;
    int m_depth = 0; // of messages to the tree within one another
    bool m_collapsing = false;
    CollapseState m_collapse{};
};
