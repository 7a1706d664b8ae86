// The whole-line scans of the formatting pass: whether a line's braces balance and what the line owes the next.
#include "LineScanner.h"

bool LineHasBalancedBraces(std::string_view line, bool inBlockComment)
{
    // Only a closing brace can set the flag.
    if (line.find('}') == std::string::npos)
        return false;
    bool inComment = inBlockComment;
    int depth = 0;
    bool balanced = false;
    for (std::size_t i = 0; i < line.size(); ++i)
    {
        const char c = line[i];
        if (inComment)
        {
            if (i > 0 && c == '/' && line[i - 1] == '*')
                inComment = false;
            continue;
        }
        if (c == '{')
        {
            ++depth;
            balanced = false;
        }
        else if (c == '}' && --depth == 0)
        {
            balanced = true;
        }
        if (i > 0 && c == '*' && line[i - 1] == '/')
            inComment = true;
        else if (i > 0 && c == '/' && line[i - 1] == '/')
            break;
    }
    return balanced;
}

namespace
{

// Index of the last byte of the line that is neither blank nor inside a
// comment, searching from k; npos if none.
std::size_t LastSignificantByte(std::string_view line, std::size_t k)
{
    // No comment to step over: the last significant byte is the last
    // non-blank one.
    if (line.find('/', k) == std::string::npos)
        return FindLastNonBlank(line);

    std::size_t last = std::string::npos;
    bool comment = false;
    for (std::size_t i = k; i < line.size(); ++i)
    {
        const char c = line[i];
        if (IsBlank(c))
            continue;
        if (c == '/')
        {
            if (i + 1 < line.size() && line[i + 1] == '/')
                break;
            if (i + 1 < line.size() && line[i + 1] == '*')
                comment = true;
            if (i > 0 && line[i - 1] == '*')
                comment = false;
            continue;
        }
        if (!comment)
            last = i;
    }
    return last;
}

// True when the next line begins with an operator, a comment aside.
bool BeginsWithOperator(std::string_view next)
{
    std::size_t m = FindNonBlank(next);
    if (m == std::string::npos)
        m = next.size();
    const std::string_view op = MatchOperator(next, m);
    if (op.empty())
        return false;
    return !(op == "/" && m + 1 < next.size() && (next[m + 1] == '/' || next[m + 1] == '*'));
}

} // namespace

LineDebt ClassifyLine(std::string_view line, std::string_view next, bool& afterDo, ClosingBraceKeyword closingBrace)
{
    const std::size_t k = FindNonBlank(line);
    if (k == std::string::npos)
        return LineDebt::None;
    // A directive is a line of its own: what it ends with owes nothing to
    // the code after it.
    if (line[k] == '#')
        return LineDebt::None;

    // "} else", "} while (x);": the keyword after a leading closing brace
    // is read as on a line of its own, unless the brace goes up onto the
    // line before and leaves the keyword to be read there.
    std::size_t keyword = k;
    if (line[k] == '}' && closingBrace == ClosingBraceKeyword::Read)
    {
        const std::size_t after = FindNonBlank(line, k + 1);
        if (after != std::string::npos)
            keyword = after;
    }

    bool control = false;
    if (MatchesKeywordAt(line, keyword, "if") || MatchesKeywordAt(line, keyword, "switch") ||
        MatchesKeywordAt(line, keyword, "for") || MatchesKeywordAt(line, keyword, "else"))
    {
        control = true;
    }
    else if (MatchesKeywordAt(line, keyword, "do"))
    {
        afterDo = true;
        control = true;
    }
    else if (MatchesKeywordAt(line, keyword, "while"))
    {
        // The while that closes a do loop ends a statement instead of
        // starting one.
        if (afterDo)
            afterDo = false;
        else
            control = true;
    }
    if (control && line.find('{', k) == std::string::npos)
        return LineDebt::BracelessControl;

    const std::size_t last = LastSignificantByte(line, k);
    if (last == std::string::npos)
        return LineDebt::None;
    const char end = line[last];
    if (end == '{' || end == '}' || end == ';')
        return LineDebt::None;
    if (end == '(' || !MatchOperator(line, last).empty() || BeginsWithOperator(next))
        return LineDebt::UnfinishedExpression;
    return LineDebt::None;
}
