#pragma once

#include "ColumnTexts.h"
#include "ColumnTreePainter.h"
#include "HeaderColumns.h"
#include "MultiSelectTree.h"
#include "TreeViewItems.h"
#include "Wnd.h"

#include <commctrl.h>

#include <string>

// A tree with columns: a real tree view (SysTreeView32) below a header
// control (SysHeader32) that holds the columns' headings and widths, both in
// one window that scrolls them sideways together when the columns are wider
// than it. Column 0 is the tree's own: its text is the tree item's text, so
// other programs read it with TVM_GETITEM. The other columns' texts are kept
// here per item and drawn in the tree's custom draw. Several items can be
// selected at once (CMultiSelectTree). Tree-view messages sent to the
// control's window are answered by its tree.
class CColumnTree : public CWnd
{
public:
    // The tree decorations a caller switches on: the tree view's own style
    // bits. Full-row selection highlights a selected item across every
    // column and selects an item by a click anywhere on its row.
    enum Decoration : DWORD
    {
        Buttons = TVS_HASBUTTONS,
        Lines = TVS_HASLINES,
        LinesAtRoot = TVS_LINESATROOT,
        FullRowSelect = TVS_FULLROWSELECT
    };
    static constexpr DWORD AllDecorations = Buttons | Lines | LinesAtRoot | FullRowSelect;

    CColumnTree();
    ~CColumnTree() override;

    // style is a tree view control's: window styles (WS_VISIBLE, WS_BORDER,
    // ...) for the control's window, WS_TABSTOP and the tree view styles
    // (Decoration bits among them) for its tree; exStyle is the window's.
    // Column 0 starts as wide as the tree's room beside its scroll bar.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle = 0);
    // Makes control id of a dialog (the tree view of its template) the
    // column tree, in its rectangle, with its styles, font, id and place in
    // the tab order. A common control keeps notifying the parent it was
    // created under, so the control itself cannot move into the column
    // tree's window: it is replaced.
    bool SubclassDlgItem(HWND dialog, UINT id);

    HWND TreeHandle() const { return m_tree.GetSafeHwnd(); }
    HWND HeaderHandle() const { return m_columns.Handle(); }

    DWORD GetDecorations() const;
    void SetDecorations(DWORD decorations);

    int GetColumnCount() const { return m_columns.Count(); }
    // Inserts a column before index (1 at least: column 0 stays the tree's);
    // returns its index, or -1.
    int InsertColumn(int index, const std::string& heading, ColumnAlignment alignment, int width);
    int GetColumnWidth(int column) const { return m_columns.Width(column); }
    void SetColumnWidth(int column, int width);
    void SetColumnHeading(int column, const std::string& heading) { m_columns.SetHeading(column, heading); }

    // Adds an item after the last child of parent (null: the top level).
    HTREEITEM InsertItem(HTREEITEM parent, const std::string& text);
    std::string GetItemText(HTREEITEM item, int column) const;
    void SetItemText(HTREEITEM item, int column, const std::string& text);
    // The caller's string; the tree keeps only the pointer.
    const std::string* GetItemData(HTREEITEM item) const;
    void SetItemData(HTREEITEM item, const std::string* data);

    // Null when there is no such item.
    HTREEITEM GetRootItem() const { return RelatedTreeItem(TreeHandle(), TVGN_ROOT, nullptr); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return RelatedTreeItem(TreeHandle(), TVGN_CHILD, item); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return RelatedTreeItem(TreeHandle(), TVGN_NEXT, item); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return RelatedTreeItem(TreeHandle(), TVGN_PARENT, item); }

    bool IsSelected(HTREEITEM item) const { return m_tree.IsSelected(item); }
    // Every item, under collapsed items too.
    unsigned GetCount() const;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnFinalDestroy() override;

private:
    enum ChildId
    {
        HeaderId = 1,
        TreeId = 2
    };

    bool OnNotify(const NMHDR& notification, LPARAM lParam, LRESULT& result);
    void OnHScroll(int request);
    // Widths changed, by a call or by the user's drag: the rows follow.
    void OnColumnsChanged();
    // Places the header and the tree and sets the sideways scroll range.
    void Layout();
    // One pass of Layout; false when the tree's scroll bar came or went
    // meanwhile, so the pass must be done again.
    bool Arrange();
    void InvalidateRow(HTREEITEM item);

    CHeaderColumns m_columns;
    CColumnTexts m_texts;
    CColumnTreePainter m_painter;
    CMultiSelectTree m_tree;
    int m_scroll = 0; // sideways, in pixels
    bool m_layingOut = false;
};
