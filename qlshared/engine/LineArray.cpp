#include "LineArray.h"

#include <algorithm>
#include <iterator>

void CLineArray::Reserve(std::size_t count)
{
    MoveGapTo(Size());
    m_items.resize(m_gapBegin);
    m_gapLength = 0;
    m_items.reserve(count);
}

void CLineArray::Append(std::string line)
{
    InsertAt(Size(), std::move(line));
}

void CLineArray::InsertAt(std::size_t index, std::string line)
{
    MoveGapTo(index);
    if (m_gapLength == 0)
    {
        // Doubling keeps the cost of growth linear over a run.
        const std::size_t extra = std::max<std::size_t>(16, m_items.size());
        m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(m_gapBegin), extra, std::string());
        m_gapLength = extra;
    }
    m_items[m_gapBegin] = std::move(line);
    ++m_gapBegin;
    --m_gapLength;
}

void CLineArray::RemoveAt(std::size_t index)
{
    MoveGapTo(index);
    // Release the line's memory now: a removed line may be long.
    std::string().swap(m_items[m_gapBegin + m_gapLength]);
    ++m_gapLength;
}

void CLineArray::Clear()
{
    std::vector<std::string>().swap(m_items);
    m_gapBegin = 0;
    m_gapLength = 0;
}

void CLineArray::MoveGapTo(std::size_t index)
{
    // Without a gap there is nothing to move (and moving a line onto itself
    // would empty it).
    if (m_gapLength == 0)
    {
        m_gapBegin = index;
        return;
    }
    const auto items = m_items.begin();
    const auto gap = static_cast<std::ptrdiff_t>(m_gapLength);
    const auto at = static_cast<std::ptrdiff_t>(index);
    const auto begin = static_cast<std::ptrdiff_t>(m_gapBegin);
    if (index < m_gapBegin)
        std::move_backward(items + at, items + begin, items + begin + gap);
    else if (index > m_gapBegin)
        std::move(items + begin + gap, items + at + gap, items + begin);
    m_gapBegin = index;
}
