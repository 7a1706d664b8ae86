#pragma once

#include <windows.h>

#include <commctrl.h>

// The tree view queries that the column tree's parts share.

// The item in relation (TVGN_CHILD, TVGN_NEXT, ...) to item; null if none.
HTREEITEM RelatedTreeItem(HWND tree, UINT relation, HTREEITEM item);

// The item's row across the tree, or only its label; false when the item is
// not in view.
bool TreeItemRect(HWND tree, HTREEITEM item, bool labelOnly, RECT& rect);
