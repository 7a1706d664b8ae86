// The tree view queries the column tree's parts share: related items and an item's rectangle.
#include "TreeViewItems.h"

#include <cstring>

HTREEITEM RelatedTreeItem(HWND tree, UINT relation, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

bool TreeItemRect(HWND tree, HTREEITEM item, bool labelOnly, RECT& rect)
{
    // The message takes the item in the rectangle's place.
    std::memcpy(&rect, &item, sizeof(item));
    return SendMessageA(tree, TVM_GETITEMRECT, labelOnly, reinterpret_cast<LPARAM>(&rect)) != 0;
}
