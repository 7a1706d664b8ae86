#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The lines of a text, kept with a gap of free slots where the last insertion
// or removal happened. The formatting pass inserts and removes lines right
// next to the line it is on, so the gap follows it and no edit shifts the
// rest of a long text.
class CLineArray
{
public:
    std::size_t Size() const { return m_items.size() - m_gapLength; }
    bool IsEmpty() const { return Size() == 0; }

    std::string& operator[](std::size_t index) { return m_items[Slot(index)]; }
    const std::string& operator[](std::size_t index) const { return m_items[Slot(index)]; }

    void Reserve(std::size_t count);
    void Append(std::string line);
    void InsertAt(std::size_t index, std::string line);
    void RemoveAt(std::size_t index);
    void Clear();

private:
    std::size_t Slot(std::size_t index) const
    {
        return index < m_gapBegin ? index : index + m_gapLength;
    }
    void MoveGapTo(std::size_t index);

    std::vector<std::string> m_items;
    std::size_t m_gapBegin = 0;
    std::size_t m_gapLength = 0;
};
