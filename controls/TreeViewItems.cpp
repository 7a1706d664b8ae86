#include "TreeViewItems.h"

#include <cstring>

HTREEITEM RelatedTreeItem(HWND tree, UINT relation, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM NextTreeItem(HWND tree, HTREEITEM item)
{
    if (HTREEITEM child = RelatedTreeItem(tree, TVGN_CHILD, item))
        return child;
    for (; item; item = RelatedTreeItem(tree, TVGN_PARENT, item))
    {
        if (HTREEITEM next = RelatedTreeItem(tree, TVGN_NEXT, item))
            return next;
    }
    return nullptr;
}

bool TreeItemRect(HWND tree, HTREEITEM item, bool labelOnly, RECT& rect)
{
    // The message takes the item in the rectangle's place.
    std::memcpy(&rect, &item, sizeof(item));
    return SendMessageA(tree, TVM_GETITEMRECT, labelOnly, reinterpret_cast<LPARAM>(&rect)) != 0;
}
