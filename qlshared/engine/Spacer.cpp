// Operator and parentheses spacing at the walk's position: spaces added or closed up, unless tokens would fuse.
#include "Spacer.h"

#include "LineScanner.h"
#include "OperatorTable.h"

#include <string_view>

namespace
{

// True when the first count bytes hold code and do not end with a space; an
// operator that begins at the last byte of the line is never touched.
bool HasCodeThrough(const CWorkingLine& line, std::size_t count)
{
    if (count == 0 || count >= line.size() || line[count - 1] == ' ')
        return false;
    return line.FirstNonBlank() < count;
}

} // namespace

CSpacer::CSpacer(const FormatOptions& options)
    : m_spaceAroundOperators(options.OperatorSpace == Spacing::Space),
      m_spaceInsideParentheses(options.ParenthesesSpace == Spacing::Space)
{
}

void CSpacer::SpaceOperator(CWorkingLine& line, std::size_t& pos) const
{
    if (!HasCodeThrough(line, pos + 1))
        return;
    const std::string_view op = MatchOperator(line, pos);
    if (op.empty())
        return;
    const std::size_t length = op.size();
    std::size_t end = pos + length - 1;

    if (pos > 0)
    {
        if (m_spaceAroundOperators)
        {
            if (line[pos - 1] != ' ')
            {
                line.InsertBlanks(pos, 1, ' ');
                ++end;
                ++pos;
            }
        }
        // The blanks in front of an operator that begins the line are its
        // indentation, not a gap between two tokens.
        else if (line[pos - 1] == ' ' && pos != line.FirstNonBlank())
        {
            std::size_t start = pos - 1;
            while (start > 0 && line[start - 1] == ' ')
                --start;
            // One space stays where the bytes either side would fuse.
            const bool keepOne = start > 0 && WouldFuse(line[start - 1], line[pos]);
            const std::size_t run = pos - start - (keepOne ? 1 : 0);
            line.EraseBlanks(start, run);
            end -= run;
            pos -= run;
        }
    }

    const std::size_t after = pos + length;
    if (after < line.size())
    {
        if (m_spaceAroundOperators)
        {
            if (line[after] != ' ')
            {
                line.InsertBlanks(after, 1, ' ');
                ++end;
            }
        }
        else if (line[after] == ' ')
        {
            std::size_t stop = after;
            while (stop < line.size() && line[stop] == ' ')
                ++stop;
            const bool keepOne = stop < line.size() && WouldFuse(line[after - 1], line[stop]);
            line.EraseBlanks(after, stop - after - (keepOne ? 1 : 0));
        }
    }
    pos = end;
}

void CSpacer::SpaceParentheses(CWorkingLine& line, std::size_t& pos) const
{
    if (m_spaceInsideParentheses)
    {
        if (pos > 0 && line[pos] == ')' && line[pos - 1] != ' ')
            line.InsertBlanks(pos, 1, ' ');
        if (pos + 1 < line.size() && line[pos] == '(' && line[pos + 1] != ' ')
            line.InsertBlanks(pos + 1, 1, ' ');
        return;
    }

    // As for operators, the blanks in front of a ')' that begins the line are
    // its indentation and stay.
    if (pos > 0 && line[pos] == ')' && line[pos - 1] == ' ' && pos != line.FirstNonBlank())
    {
        std::size_t start = pos;
        while (start > 1 && line[start - 1] == ' ')
            --start;
        const std::size_t run = pos - start;
        line.EraseBlanks(start, run);
        pos -= run;
    }
    if (pos + 1 < line.size() && line[pos] == '(' && line[pos + 1] == ' ')
    {
        std::size_t stop = pos + 1;
        while (stop < line.size() && line[stop] == ' ')
            ++stop;
        line.EraseBlanks(pos + 1, stop - (pos + 1));
    }
}
