#include "BraceMover.h"

#include "LineScanner.h"

#include <algorithm>
#include <string>
#include <string_view>

CBraceMover::CBraceMover(const FormatOptions& options, CLineArray& lines)
    : m_options(options), m_lines(lines), m_unit(options)
{
}

void CBraceMover::Place(BracePlacement placement, CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos,
                        int depth) const
{
    if (placement == BracePlacement::OwnLine)
        MoveToOwnLine(line, lineIndex, pos, depth);
    else if (placement == BracePlacement::Joined)
        JoinToPreviousLine(line, lineIndex, pos);
}

void CBraceMover::MoveToOwnLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos, int depth) const
{
    const std::size_t p = pos;
    if (p == 0 || line.FirstNonBlank() >= p)
        return;

    const std::string_view code = line.Contiguous();
    const char brace = code[p];
    const BraceIndent indent = brace == '{' ? m_options.OpenIndentStyle : m_options.CloseIndentStyle;
    std::string braceLine = m_unit.Of(depth - 1) + m_unit.Of(indent == BraceIndent::Indent ? 1 : 0);
    const std::size_t bracePos = braceLine.size();
    braceLine += brace;

    std::string rest;
    const std::size_t q = FindNonBlank(code, p + 1);
    if (q != std::string::npos)
    {
        if (brace == '{')
            rest = m_unit.Of(std::max(depth, 1)).append(code.substr(q));
        else
            braceLine.append(code.substr(p + 1)); // keeps "} else" together
    }

    const std::size_t i = lineIndex;
    m_lines.Set(i, code.substr(0, p));
    if (!rest.empty())
        m_lines.InsertAt(i + 1, rest);
    m_lines.InsertAt(i + 1, braceLine);

    lineIndex = i + 1;
    pos = bracePos;
    line.Load(m_lines[lineIndex]);
}

void CBraceMover::JoinToPreviousLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos) const
{
    const std::size_t p = pos;
    const std::size_t i = lineIndex;
    if (line.FirstNonBlank() < p || i == 0)
        return;
    const std::string_view previous = m_lines[i - 1];
    // Appending to a continued line, after a line comment or to a directive
    // would change what the brace means.
    if (EndsWithBackslash(previous) || previous.find("//") != std::string_view::npos)
        return;
    const std::size_t first = FindNonBlank(previous);
    if (first != std::string::npos && previous[first] == '#')
        return;

    const std::string_view current = line.Contiguous();
    const std::size_t last = FindLastNonBlank(previous);
    std::string joined(previous.substr(0, last == std::string::npos ? 0 : last + 1));
    joined += ' ';
    joined += current[p];
    m_lines.Set(i - 1, joined);

    const std::string_view rest = current.substr(p + 1);
    if (rest.empty())
        m_lines.RemoveAt(i);
    else
        m_lines.Set(i, rest);

    lineIndex = i - 1;
    pos = joined.size() - 1;
    line.Load(m_lines[lineIndex]);
}
