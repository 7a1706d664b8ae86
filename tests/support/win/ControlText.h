#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

// Texts of a tree's items, of a header's columns and of a menu's items, read
// through the controls' messages as another program reads them.
inline std::string TreeItemText(HWND tree, HTREEITEM item)
{
    char text[2048] = {};
    TVITEMA get{};
    get.mask = TVIF_TEXT;
    get.hItem = item;
    get.pszText = text;
    get.cchTextMax = sizeof(text);
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&get));
    return text;
}

// Every item of a two-level tree, the second level indented by two.
inline std::vector<std::string> TreeRows(HWND tree)
{
    std::vector<std::string> rows;
    for (auto project = TreeView_GetRoot(tree); project; project = TreeView_GetNextSibling(tree, project))
    {
        rows.push_back(TreeItemText(tree, project));
        for (auto file = TreeView_GetChild(tree, project); file; file = TreeView_GetNextSibling(tree, file))
            rows.push_back("  " + TreeItemText(tree, file));
    }
    return rows;
}

inline std::vector<std::string> HeaderTexts(HWND header)
{
    std::vector<std::string> texts;
    for (int column = 0; column < SendMessageA(header, HDM_GETITEMCOUNT, 0, 0); ++column)
    {
        char text[256] = {};
        HDITEMA item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

inline std::vector<std::string> MenuTexts(HMENU menu)
{
    std::vector<std::string> texts;
    for (int index = 0; index < GetMenuItemCount(menu); ++index)
    {
        char text[MAX_PATH + 8] = {};
        GetMenuStringA(menu, index, text, sizeof(text), MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

inline BOOL CALLBACK TakeChildOfClass(HWND child, LPARAM context)
{
    auto& search = *reinterpret_cast<std::pair<const char*, HWND>*>(context);
    char name[64] = {};
    GetClassNameA(child, name, sizeof(name));
    if (lstrcmpiA(name, search.first) != 0)
        return TRUE;
    search.second = child;
    return FALSE;
}

// The first window of the class among the parent's descendants; null if none.
inline HWND FindChildOfClass(HWND parent, const char* className)
{
    std::pair<const char*, HWND> search(className, nullptr);
    EnumChildWindows(parent, TakeChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.second;
}
