// The texts of a column tree's extra columns, kept per item so that they stay under their headings.
#include "ColumnTexts.h"

std::string CColumnTexts::Get(HTREEITEM item, int column) const
{
    auto found = m_texts.find(item);
    if (column < 1 || found == m_texts.end() || static_cast<std::size_t>(column) > found->second.size())
        return std::string();
    return found->second[column - 1];
}

void CColumnTexts::Set(HTREEITEM item, int column, const std::string& text)
{
    if (column < 1)
        return;
    std::vector<std::string>& texts = m_texts[item];
    if (texts.size() < static_cast<std::size_t>(column))
        texts.resize(column);
    texts[column - 1] = text;
}

void CColumnTexts::InsertColumn(int column)
{
    if (column < 1)
        return;
    for (auto& entry : m_texts)
    {
        std::vector<std::string>& texts = entry.second;
        if (texts.size() >= static_cast<std::size_t>(column))
            texts.insert(texts.begin() + (column - 1), std::string());
    }
}
