#include "WorkingLine.h"

#include <algorithm>
#include <cstring>

void CWorkingLine::Load(std::string&& line)
{
    m_buffer = std::move(line);
    m_gapBegin = m_buffer.size();
    m_gapLength = 0;
    m_firstNonBlank = m_buffer.find_first_not_of(" \t");
    if (m_firstNonBlank == std::string::npos)
        m_firstNonBlank = m_buffer.size();
    m_lastCloseParen = m_buffer.rfind(')');
}

std::string CWorkingLine::Take()
{
    Contiguous();
    std::string line = std::move(m_buffer);
    m_buffer.clear();
    m_gapBegin = 0;
    m_firstNonBlank = 0;
    m_lastCloseParen = std::string::npos;
    return line;
}

const std::string& CWorkingLine::Contiguous()
{
    MoveGapTo(size());
    m_buffer.resize(m_gapBegin);
    m_gapLength = 0;
    return m_buffer;
}

void CWorkingLine::InsertBlanks(std::size_t index, std::size_t count, char blank)
{
    if (count == 0)
        return;
    MoveGapTo(index);
    if (m_gapLength < count)
    {
        // Grow the gap geometrically so a line that gains many spaces is
        // copied a logarithmic number of times.
        const std::size_t extra = std::max({count, m_buffer.size(), std::size_t(64)});
        m_buffer.insert(m_gapBegin + m_gapLength, extra, ' ');
        m_gapLength += extra;
    }
    std::memset(&m_buffer[m_gapBegin], blank, count);
    m_gapBegin += count;
    m_gapLength -= count;
    if (m_firstNonBlank >= index)
        m_firstNonBlank += count;
    if (m_lastCloseParen != std::string::npos && m_lastCloseParen >= index)
        m_lastCloseParen += count;
}

void CWorkingLine::EraseBlanks(std::size_t index, std::size_t count)
{
    MoveGapTo(index);
    m_gapLength += count;
    if (m_firstNonBlank >= index + count)
        m_firstNonBlank -= count;
    if (m_lastCloseParen != std::string::npos && m_lastCloseParen >= index + count)
        m_lastCloseParen -= count;
}

void CWorkingLine::MoveGapTo(std::size_t index)
{
    if (index < m_gapBegin)
        std::memmove(&m_buffer[index + m_gapLength], &m_buffer[index], m_gapBegin - index);
    else if (index > m_gapBegin)
        std::memmove(&m_buffer[m_gapBegin], &m_buffer[m_gapBegin + m_gapLength], index - m_gapBegin);
    m_gapBegin = index;
}
