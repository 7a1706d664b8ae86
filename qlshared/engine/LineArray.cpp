#include "LineArray.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>

void CLineArray::Adopt(std::string_view text)
{
    // Room for a changed copy of half the lines before the buffer must move.
    m_bytes.reserve(text.size() + text.size() / 2 + 64);
    m_bytes.assign(text.data(), text.size());
}

void CLineArray::AppendSlice(std::size_t offset, std::size_t length)
{
    if (m_gapLength != 0)
    {
        InsertSlice(Size(), Slice{offset, length});
        return;
    }
    // While the array is being filled it has no gap: plain appends.
    m_items.push_back(Slice{offset, length});
    m_gapBegin = m_items.size();
}

void CLineArray::Reserve(std::size_t count)
{
    m_items.reserve(count);
}

void CLineArray::Append(std::string_view line)
{
    InsertAt(Size(), line);
}

CLineArray::Slice CLineArray::Store(std::string_view line)
{
    // A line that is itself a view of this buffer is copied out first: the
    // buffer may move while it grows.
    const std::less<const char*> before;
    if (!line.empty() && !before(line.data(), m_bytes.data()) && before(line.data(), m_bytes.data() + m_bytes.size()))
    {
        const std::string copy(line);
        return Store(copy);
    }
    const Slice slice{m_bytes.size(), line.size()};
    m_bytes.append(line.data(), line.size());
    return slice;
}

void CLineArray::Set(std::size_t index, std::string_view line)
{
    // Every line owns its bytes alone, so a line that does not grow is
    // rewritten where it stands.
    Slice& slice = m_items[Slot(index)];
    if (line.size() <= slice.length)
    {
        std::memmove(&m_bytes[slice.offset], line.data(), line.size());
        slice.length = line.size();
        return;
    }
    slice = Store(line);
}

void CLineArray::Truncate(std::size_t index, std::size_t length)
{
    Slice& slice = m_items[Slot(index)];
    slice.length = std::min(slice.length, length);
}

void CLineArray::InsertAt(std::size_t index, std::string_view line)
{
    InsertSlice(index, Store(line));
}

void CLineArray::InsertSlice(std::size_t index, Slice slice)
{
    MoveGapTo(index);
    if (m_gapLength == 0)
    {
        // A gap in proportion to the array keeps the cost of growth linear
        // over a run.
        const std::size_t extra = std::max<std::size_t>(16, m_items.size() / 8);
        m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(m_gapBegin), extra, Slice{0, 0});
        m_gapLength = extra;
    }
    m_items[m_gapBegin] = slice;
    ++m_gapBegin;
    --m_gapLength;
}

void CLineArray::RemoveAt(std::size_t index)
{
    MoveGapTo(index);
    ++m_gapLength;
}

void CLineArray::Clear()
{
    std::string().swap(m_bytes);
    std::vector<Slice>().swap(m_items);
    m_gapBegin = 0;
    m_gapLength = 0;
}

void CLineArray::MoveGapTo(std::size_t index)
{
    const auto items = m_items.begin();
    const auto gap = static_cast<std::ptrdiff_t>(m_gapLength);
    const auto at = static_cast<std::ptrdiff_t>(index);
    const auto begin = static_cast<std::ptrdiff_t>(m_gapBegin);
    if (gap != 0 && index < m_gapBegin)
        std::copy_backward(items + at, items + begin, items + begin + gap);
    else if (gap != 0 && index > m_gapBegin)
        std::copy(items + begin + gap, items + at + gap, items + begin);
    m_gapBegin = index;
}
