// The text's lines in one shared buffer with a gap that follows the edits, and the result the settled lines go into.
#include "LineArray.h"

#include "LargeBuffer.h"
#include "LineScanner.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <functional>
#include <iterator>

namespace
{

// Below this many dead bytes packing is not worth its pass over the lines.
constexpr std::size_t MinimumDeadBytes = 1 << 20;

// The free slots a gap is made with, for an array of that many slots.
std::size_t GapLengthFor(std::size_t slots)
{
    return std::max<std::size_t>(16, slots / 8);
}

} // namespace

void CLineArray::Split(std::string_view text)
{
    const std::size_t end = std::min(text.find('\0'), text.size());
    const char* const bytes = text.data();
    std::size_t feeds = 0;
    for (const char* at = bytes;
         (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(bytes + end - at)))) != nullptr;
         ++at)
    {
        ++feeds;
    }
    m_items.clear();
    // Room for the first gap, so that making it does not move the array.
    ReserveLarge(m_items, feeds + 1 + GapLengthFor(feeds + 1));
    m_gapLength = 0;
    // Room for a changed copy of half the lines before the buffer must move.
    ReserveLarge(m_bytes, end + end / 2 + 64);
    m_bytes.assign(bytes, end);

    std::size_t start = 0;
    while (start < end)
    {
        const void* feed = std::memchr(bytes + start, '\n', end - start);
        const std::size_t stop = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - bytes) : end;
        std::size_t length = stop - start;
        if (length > 0 && bytes[stop - 1] == '\r')
            --length;
        m_items.push_back(Slice{start, length});
        if (!feed)
            break;
        start = stop + 1;
    }
    m_gapBegin = m_items.size();
    ++m_changes;
    m_result.clear();
    m_settled = 0;
    m_settledBytes = 0;
    m_liveBytes = 0;
    for (const Slice& slice : m_items)
        m_liveBytes += slice.length;
}

void CLineArray::JoinInto(std::string& text)
{
    std::size_t total = m_result.size() + (m_settled > 0 ? 1 : 0);
    for (std::size_t i = m_settled; i < Size(); ++i)
        total += (*this)[i].size() + 1;
    ReserveLarge(m_result, total);
    if (m_settled > 0)
        m_result += '\n';
    for (std::size_t i = m_settled; i < Size(); ++i)
    {
        m_result += (*this)[i];
        m_result += '\n';
    }
    text = std::move(m_result);
    std::string().swap(m_result);
    std::string().swap(m_bytes);
    std::vector<Slice>().swap(m_items);
    m_gapBegin = 0;
    m_gapLength = 0;
    m_liveBytes = 0;
    m_settled = 0;
    m_settledBytes = 0;
}

void CLineArray::Settle(std::size_t index)
{
    SettleBefore(index);
    if (index >= m_settled)
        AddToResult(index, (*this)[index]);
}

void CLineArray::Settle(std::size_t index, std::string_view line)
{
    SettleBefore(index);
    if (index >= m_settled)
        AddToResult(index, line);
    else
        Set(index, line);
}

void CLineArray::SettleOnly(std::string&& line)
{
    assert(Size() == 1 && m_settled == 0);
    Slice& slice = m_items[Slot(0)];
    m_liveBytes -= slice.length;
    m_settledBytes += slice.length;
    slice = Slice{0, line.size()};
    m_result = std::move(line);
    m_settled = 1;
}

void CLineArray::SettleBefore(std::size_t index)
{
    while (m_settled < index)
        AddToResult(m_settled, (*this)[m_settled]);
}

void CLineArray::AddToResult(std::size_t index, std::string_view line)
{
    if (m_settled == 0)
    {
        // Room for the result to come out longer than the text, as brace
        // moves and indentation make it: growing it later would copy it.
        const std::size_t expected = m_liveBytes + Size();
        ReserveLarge(m_result, expected + expected / 2);
    }
    else
    {
        // The line before is final now that a line follows it.
        Slice& last = m_items[Slot(m_settled - 1)];
        if (m_trimSettled)
        {
            const std::size_t kept = TrimmedLength(std::string_view(m_result.data() + last.offset, last.length));
            if (kept != last.length)
                ++m_changes;
            last.length = kept;
            m_result.resize(last.offset + kept);
        }
        GrowLarge(m_result, m_result.size() + 1 + line.size());
        m_result += '\n';
    }
    Slice& slice = m_items[Slot(index)];
    m_liveBytes -= slice.length;
    m_settledBytes += slice.length;
    slice = Slice{m_result.size(), line.size()};
    m_result.append(line.data(), line.size());
    ++m_settled;
}

void CLineArray::SetLastSettled(std::size_t index, std::string_view line)
{
    assert(index + 1 == m_settled);
    const std::less<const char*> before;
    if (!line.empty() && !before(line.data(), m_result.data()) &&
        before(line.data(), m_result.data() + m_result.size()))
    {
        const std::string copy(line);
        SetLastSettled(index, copy);
        return;
    }
    ++m_changes;
    Slice& slice = m_items[Slot(index)];
    m_result.resize(slice.offset);
    GrowLarge(m_result, m_result.size() + line.size());
    m_result.append(line.data(), line.size());
    slice.length = line.size();
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
    // Packing costs the live bytes and waits until at least as many are
    // dead, so it adds no more than a copy of each byte stored.
    // The bytes settled lines left behind are not counted: the pass leaves
    // them behind once, they do not pile up as edits do.
    const std::size_t dead = m_bytes.size() - m_liveBytes - m_settledBytes;
    if (dead > m_liveBytes + line.size() + MinimumDeadBytes)
        Pack();
    const Slice slice{m_bytes.size(), line.size()};
    GrowLarge(m_bytes, m_bytes.size() + line.size());
    m_bytes.append(line.data(), line.size());
    m_liveBytes += line.size();
    return slice;
}

void CLineArray::Pack()
{
    std::string packed;
    ReserveLarge(packed, m_liveBytes + m_liveBytes / 2 + 64);
    for (std::size_t i = m_settled; i < Size(); ++i)
    {
        Slice& slice = m_items[Slot(i)];
        const std::size_t offset = packed.size();
        packed.append(m_bytes, slice.offset, slice.length);
        slice.offset = offset;
    }
    m_bytes.swap(packed);
    m_settledBytes = 0;
}

void CLineArray::Set(std::size_t index, std::string_view line)
{
    if (index < m_settled)
    {
        SetLastSettled(index, line);
        return;
    }
    ++m_changes;
    // Every line owns its bytes alone, so a line that does not grow is
    // rewritten where it stands.
    Slice& slice = m_items[Slot(index)];
    if (line.size() <= slice.length)
    {
        std::memmove(&m_bytes[slice.offset], line.data(), line.size());
        m_liveBytes -= slice.length - line.size();
        slice.length = line.size();
        return;
    }
    // The old bytes are dead before the new ones are stored, so a packing
    // then drops them.
    m_liveBytes -= slice.length;
    slice.length = 0;
    const Slice stored = Store(line);
    m_items[Slot(index)] = stored;
}

void CLineArray::Append(std::size_t index, std::string_view tail)
{
    if (index < m_settled)
    {
        assert(index + 1 == m_settled);
        ++m_changes;
        GrowLarge(m_result, m_result.size() + tail.size());
        m_result.append(tail.data(), tail.size());
        m_items[Slot(index)].length += tail.size();
        return;
    }
    ++m_changes;
    Slice& slice = m_items[Slot(index)];
    if (slice.offset + slice.length == m_bytes.size())
    {
        GrowLarge(m_bytes, m_bytes.size() + tail.size());
        m_bytes.append(tail.data(), tail.size());
        slice.length += tail.size();
        m_liveBytes += tail.size();
        return;
    }
    std::string line((*this)[index]);
    line.append(tail.data(), tail.size());
    Set(index, line);
}

void CLineArray::Truncate(std::size_t index, std::size_t length)
{
    if (index < m_settled)
    {
        assert(index + 1 == m_settled);
        ++m_changes;
        Slice& last = m_items[Slot(index)];
        last.length = std::min(last.length, length);
        m_result.resize(last.offset + last.length);
        return;
    }
    ++m_changes;
    Slice& slice = m_items[Slot(index)];
    const std::size_t kept = std::min(slice.length, length);
    m_liveBytes -= slice.length - kept;
    slice.length = kept;
}

void CLineArray::InsertAt(std::size_t index, std::string_view line)
{
    assert(index >= m_settled);
    ++m_changes;
    InsertSlice(index, Store(line));
}

void CLineArray::InsertSlice(std::size_t index, Slice slice)
{
    MoveGapTo(index);
    if (m_gapLength == 0)
    {
        // A gap in proportion to the array keeps the cost of growth linear
        // over a run.
        const std::size_t extra = GapLengthFor(m_items.size());
        GrowLarge(m_items, m_items.size() + extra);
        m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(m_gapBegin), extra, Slice{0, 0});
        m_gapLength = extra;
    }
    m_items[m_gapBegin] = slice;
    ++m_gapBegin;
    --m_gapLength;
}

void CLineArray::RemoveAt(std::size_t index)
{
    assert(index >= m_settled);
    ++m_changes;
    MoveGapTo(index);
    m_liveBytes -= m_items[m_gapBegin + m_gapLength].length;
    ++m_gapLength;
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
