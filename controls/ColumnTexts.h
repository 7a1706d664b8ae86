#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <unordered_map>
#include <vector>

// The texts of a column tree's columns 1 to n, per item. Column 0 is the
// tree item's own text and is not kept here. An item without texts costs
// nothing; a text never set reads as empty.
class CColumnTexts
{
public:
    std::string Get(HTREEITEM item, int column) const;
    void Set(HTREEITEM item, int column, const std::string& text);
    // A column inserted at this index: the texts of it and of the columns
    // after it move one column on, so each text stays under its heading.
    void InsertColumn(int column);
    void Erase(HTREEITEM item) { m_texts.erase(item); }
    void Clear() { m_texts.clear(); }

private:
    // Element i holds the text of column i + 1.
    std::unordered_map<HTREEITEM, std::vector<std::string>> m_texts;
};
