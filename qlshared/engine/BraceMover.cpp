// Moves a brace the walk meets onto a line of its own or up onto the line before, as the brace options say.
#include "BraceMover.h"

#include "LineScanner.h"

#include <algorithm>
#include <string>
#include <string_view>

CBraceMover::CBraceMover(const FormatOptions& options, CLineArray& lines)
    : m_options(options), m_lines(lines), m_unit(options)
{
}

bool CBraceMover::Place(BracePlacement placement, CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos,
                        int depth) const
{
    if (placement == BracePlacement::OwnLine)
        return MoveToOwnLine(line, lineIndex, pos, depth);
    if (placement == BracePlacement::Joined)
        JoinToPreviousLine(line, lineIndex, pos);
    return false;
}

bool CBraceMover::MoveToOwnLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos, int depth) const
{
    const std::size_t p = pos;
    if (p == 0 || line.FirstNonBlank() >= p)
        return false;

    const char brace = line[p];
    const BraceIndent indent = brace == '{' ? m_options.OpenIndentStyle : m_options.CloseIndentStyle;
    const std::size_t bracePos = m_unit.BlanksFor(depth - 1) + m_unit.BlanksFor(indent == BraceIndent::Indent ? 1 : 0);
    std::size_t q = p + 1;
    while (q < line.size() && IsBlank(line[q]))
        ++q;
    const std::size_t i = lineIndex;

    if (brace == '}')
    {
        // The rest of the line stays with the brace ("} else" together), so
        // the walk goes on in the working line itself: the bytes before the
        // brace become their own line and the brace line is stored when the
        // walk has finished it. A long line split again and again is not
        // copied at every split.
        m_lines.Set(i, line.Front(p));
        m_lines.InsertAt(i + 1, std::string_view());
        line.DropFront(p);
        if (q == line.size() + p)
            line.EraseBlanks(1, line.size() - 1);
        line.InsertBlanks(0, bracePos, m_unit.blank);
        lineIndex = i + 1;
        pos = bracePos;
        return false;
    }

    std::string braceLine(bracePos, m_unit.blank);
    braceLine += brace;
    m_lines.Set(i, line.Front(p));
    m_lines.InsertAt(i + 1, braceLine);
    lineIndex = i + 1;
    if (q == line.size())
    {
        pos = bracePos;
        line.Load(m_lines[lineIndex]);
        return false;
    }
    // Nothing is left to do on the brace line. What follows the brace goes
    // on a line of its own, one level inside the block, and the walk takes
    // it up in the working line, as for a closing brace.
    m_lines.InsertAt(i + 2, std::string_view());
    line.DropFront(q);
    line.InsertBlanks(0, m_unit.BlanksFor(std::max(depth, 1)), m_unit.blank);
    return true;
}

bool CBraceMover::CanJoin(const CWorkingLine& line, std::size_t lineIndex, std::size_t pos) const
{
    if (line.FirstNonBlank() < pos || lineIndex == 0)
        return false;
    if (m_joinedKnown && m_joinedLine == lineIndex - 1 && m_joinedAtChanges == m_lines.Changes())
        return true;
    // Appending to a continued line, after a line comment or to a directive
    // would change what the brace means.
    const std::string_view previous = m_lines[lineIndex - 1];
    if (EndsWithBackslash(previous) || previous.find("//") != std::string_view::npos)
        return false;
    const std::size_t first = FindNonBlank(previous);
    return first == std::string::npos || previous[first] != '#';
}

void CBraceMover::JoinToPreviousLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos) const
{
    const std::size_t p = pos;
    const std::size_t i = lineIndex;
    if (!CanJoin(line, i, p))
        return;
    const std::string_view previous = m_lines[i - 1];
    const std::string_view current = line.Contiguous();
    const std::size_t last = FindLastNonBlank(previous);
    const char brace[] = {' ', current[p]};
    const std::string rest(current.substr(p + 1));
    m_lines.Truncate(i - 1, last == std::string::npos ? 0 : last + 1);
    m_lines.Append(i - 1, std::string_view(brace, sizeof brace));

    if (rest.empty())
        m_lines.RemoveAt(i);
    else
        m_lines.Set(i, rest);

    lineIndex = i - 1;
    m_joinedLine = lineIndex;
    m_joinedAtChanges = m_lines.Changes();
    m_joinedKnown = true;
    // The joined line ends with the brace, so no step has anything left to
    // do on it: the working line keeps only the brace, unchanged, and the
    // walk of the line ends there without a copy of the whole line.
    line.Load(std::string_view(brace + 1, 1));
    pos = 0;
}
