// The line under the walk, kept with a gap at the edit point so that inserting and removing blanks stays cheap.
#include "WorkingLine.h"

#include "LargeBuffer.h"
#include "LineScanner.h"

#include <algorithm>
#include <cstring>

void CWorkingLine::Load(std::string_view line)
{
    m_buffer.clear();
    // Room for the gap the first inserted blank makes, as long as the line:
    // made now, the line is not copied into a larger buffer then.
    if (m_buffer.capacity() < 2 * line.size())
        ReserveLarge(m_buffer, 2 * line.size());
    m_buffer.append(line.data(), line.size());
    m_gapBegin = m_buffer.size();
    m_gapLength = 0;
    m_changed = false;
    m_firstNonBlank = 0;
    while (m_firstNonBlank < m_buffer.size() && (m_buffer[m_firstNonBlank] == ' ' || m_buffer[m_firstNonBlank] == '\t'))
        ++m_firstNonBlank;
    m_lastCloseParenKnown = false;
    m_censusKnown = false;
    m_split = false;
}

bool CWorkingLine::HasCloseParenAfter(std::size_t index) const
{
    if (!m_lastCloseParenKnown)
    {
        // From the end: the bytes after the gap, then those before it.
        m_lastCloseParen = std::string::npos;
        const char* const bytes = m_buffer.data();
        for (std::size_t i = m_buffer.size(); i > m_gapBegin + m_gapLength; --i)
        {
            if (bytes[i - 1] == ')')
            {
                m_lastCloseParen = i - 1 - m_gapLength;
                break;
            }
        }
        for (std::size_t i = m_gapBegin; m_lastCloseParen == std::string::npos && i > 0; --i)
        {
            if (bytes[i - 1] == ')')
                m_lastCloseParen = i - 1;
        }
        m_lastCloseParenKnown = true;
    }
    return m_lastCloseParen != std::string::npos && m_lastCloseParen > index;
}

const std::string& CWorkingLine::Contiguous()
{
    if (m_gapLength == 0)
        return m_buffer;
    MoveGapTo(size());
    m_buffer.resize(m_gapBegin);
    m_gapLength = 0;
    return m_buffer;
}

std::string CWorkingLine::Release()
{
    Contiguous();
    std::string bytes = std::move(m_buffer);
    Load(std::string_view());
    return bytes;
}

void CWorkingLine::InsertBlanks(std::size_t index, std::size_t count, char blank)
{
    if (count == 0)
        return;
    m_changed = true;
    MoveGapTo(index);
    if (m_gapLength < count)
    {
        // Grow the gap geometrically so a line that gains many spaces is
        // copied a logarithmic number of times.
        const std::size_t extra = std::max({count, m_buffer.size(), std::size_t(64)});
        m_buffer.insert(m_gapBegin + m_gapLength, extra, ' ');
        m_gapLength += extra;
    }
    // Most edits insert one space: no call for that.
    if (count == 1)
        m_buffer[m_gapBegin] = blank;
    else
        std::memset(&m_buffer[m_gapBegin], blank, count);
    m_gapBegin += count;
    m_gapLength -= count;
    ShiftFrom(index, count);
}

void CWorkingLine::ReplaceLeadingBlanks(std::size_t count, std::size_t newCount, char blank)
{
    if (count == 0 && newCount == 0)
        return;
    // A line split off the front of a long one goes on with the rest of it:
    // shifting all of that at every split would cost its length each time.
    if (m_gapLength != 0 || m_split)
    {
        EraseBlanks(0, count);
        InsertBlanks(0, newCount, blank);
        return;
    }
    // Still one piece, as the line is when the walk begins it: one shift of
    // the rest of the line instead of two moves of the gap.
    m_changed = true;
    m_buffer.replace(0, count, newCount, blank);
    m_gapBegin = m_buffer.size();
    ShiftBackFrom(0, count);
    ShiftFrom(0, newCount);
}

void CWorkingLine::EraseBlanks(std::size_t index, std::size_t count)
{
    if (count == 0)
        return;
    m_changed = true;
    MoveGapTo(index);
    m_gapLength += count;
    ShiftBackFrom(index, count);
}

std::size_t CWorkingLine::FindFirstOf(std::size_t from, const ByteSet& set) const
{
    // The bytes before the gap, then those after it, each scanned in place.
    const unsigned char* const bytes = reinterpret_cast<const unsigned char*>(m_buffer.data());
    for (std::size_t i = from; i < m_gapBegin; ++i)
    {
        if (set[bytes[i]])
            return i;
    }
    const std::size_t end = m_buffer.size();
    for (std::size_t i = std::max(from, m_gapBegin) + m_gapLength; i < end; ++i)
    {
        if (set[bytes[i]])
            return i - m_gapLength;
    }
    return size();
}

std::string CWorkingLine::Front(std::size_t count) const
{
    std::string front(m_buffer, 0, std::min(count, m_gapBegin));
    if (count > m_gapBegin)
        front.append(m_buffer, m_gapBegin + m_gapLength, count - m_gapBegin);
    return front;
}

void CWorkingLine::DropFront(std::size_t count)
{
    if (count == 0)
        return;
    m_changed = true;
    m_split = true;
    if (m_censusKnown)
    {
        // The census loses what the dropped bytes held: a cost in proportion
        // to what is dropped, not to what stays.
        for (std::size_t i = 0; i < count; ++i)
        {
            const char c = (*this)[i];
            m_census.opens -= c == '{';
            m_census.closes -= c == '}';
            m_census.slashes -= c == '/';
        }
        const std::size_t lastOpen = m_census.lastOpen;
        m_census.lastOpen = lastOpen != std::string::npos && lastOpen >= count ? lastOpen - count : std::string::npos;
    }
    MoveGapTo(count);
    m_gapLength += m_gapBegin;
    m_gapBegin = 0;
    m_firstNonBlank = 0;
    while (m_firstNonBlank < size() && ((*this)[m_firstNonBlank] == ' ' || (*this)[m_firstNonBlank] == '\t'))
        ++m_firstNonBlank;
    if (m_lastCloseParen != std::string::npos)
        m_lastCloseParen = m_lastCloseParen >= count ? m_lastCloseParen - count : std::string::npos;
}

void CWorkingLine::MoveGapTo(std::size_t index)
{
    // Without a gap there is nothing to move: a line just loaded is split or
    // edited without a pass over its bytes.
    if (m_gapLength == 0)
    {
        m_gapBegin = index;
        return;
    }
    if (index < m_gapBegin)
        std::memmove(&m_buffer[index + m_gapLength], &m_buffer[index], m_gapBegin - index);
    else if (index > m_gapBegin)
        std::memmove(&m_buffer[m_gapBegin], &m_buffer[m_gapBegin + m_gapLength], index - m_gapBegin);
    m_gapBegin = index;
}

bool CWorkingLine::HasBalancedBraces()
{
    if (!m_censusKnown)
        TakeCensus();
    if (m_census.slashes != m_census.slashesAfterLastBrace)
        return LineHasBalancedBraces(Contiguous(), false);
    // The depth after the last '{' comes back to 0 if enough '}' follow it.
    if (m_census.lastOpen == std::string::npos)
        return false;
    const long long depth = static_cast<long long>(m_census.opens) - static_cast<long long>(m_census.closes) +
                            static_cast<long long>(m_census.closesAfterLastOpen);
    return depth >= 1 && static_cast<long long>(m_census.closesAfterLastOpen) >= depth;
}

void CWorkingLine::TakeCensus()
{
    m_census = BraceCensus();
    for (std::size_t i = 0; i < size(); ++i)
    {
        const char c = (*this)[i];
        if (c == '{')
        {
            ++m_census.opens;
            m_census.lastOpen = i;
            m_census.closesAfterLastOpen = 0;
            m_census.slashesAfterLastBrace = 0;
        }
        else if (c == '}')
        {
            ++m_census.closes;
            ++m_census.closesAfterLastOpen;
            m_census.slashesAfterLastBrace = 0;
        }
        else if (c == '/')
        {
            ++m_census.slashes;
            ++m_census.slashesAfterLastBrace;
        }
    }
    m_censusKnown = true;
}

// The positions kept, after count bytes were inserted at index.
void CWorkingLine::ShiftFrom(std::size_t index, std::size_t count)
{
    if (m_firstNonBlank >= index)
        m_firstNonBlank += count;
    for (std::size_t* at : {&m_lastCloseParen, &m_census.lastOpen})
    {
        if (*at != std::string::npos && *at >= index)
            *at += count;
    }
}

// The positions kept, after count blanks were removed at index.
void CWorkingLine::ShiftBackFrom(std::size_t index, std::size_t count)
{
    if (m_firstNonBlank >= index + count)
        m_firstNonBlank -= count;
    for (std::size_t* at : {&m_lastCloseParen, &m_census.lastOpen})
    {
        if (*at != std::string::npos && *at >= index + count)
            *at -= count;
    }
}
