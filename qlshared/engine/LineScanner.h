#pragma once

#include "OperatorTable.h"

#include <cstddef>
#include <string>
#include <string_view>

// What the formatting pass asks of a line: where its blanks are, whether a
// keyword, an operator or a closing quote stands at a position, whether its
// braces balance and what it owes to the lines after it. A blank is a space
// or a tab.
//
// The tests of one position are templates over the line's type (a view of a
// stored line, or the walk's CWorkingLine) and are defined here, so that the
// walk's calls at every byte can be inlined.

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline bool IsIdentifierByte(char c)
{
    const unsigned char b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_';
}

// Index of the first blank-free byte at or after from; npos if none. (The
// library's find_first_not_of tests each byte against the set by a call.)
inline std::size_t FindNonBlank(std::string_view line, std::size_t from = 0)
{
    for (std::size_t i = from; i < line.size(); ++i)
    {
        if (!IsBlank(line[i]))
            return i;
    }
    return std::string::npos;
}

inline std::size_t FindLastNonBlank(std::string_view line)
{
    for (std::size_t i = line.size(); i > 0; --i)
    {
        if (!IsBlank(line[i - 1]))
            return i - 1;
    }
    return std::string::npos;
}

// The length of the line without the bytes at its end that the C library
// counts as white space in the "C" locale.
inline std::size_t TrimmedLength(std::string_view line)
{
    std::size_t length = line.size();
    while (length > 0 && (IsBlank(line[length - 1]) || line[length - 1] == '\n' || line[length - 1] == '\v' ||
                          line[length - 1] == '\f' || line[length - 1] == '\r'))
    {
        --length;
    }
    return length;
}

inline bool EndsWithBackslash(std::string_view line)
{
    return !line.empty() && line.back() == '\\';
}

// True when word stands at pos as a whole word.
template <class Line> bool MatchesKeywordAt(const Line& line, std::size_t pos, std::string_view word)
{
    if (word.empty() || pos >= line.size() || line[pos] != word[0])
        return false;
    if (pos > 0 && IsIdentifierByte(line[pos - 1]))
        return false;
    if (word.size() > line.size() - pos)
        return false;
    for (std::size_t k = 1; k < word.size(); ++k)
    {
        if (line[pos + k] != word[k])
            return false;
    }
    const std::size_t after = pos + word.size();
    return after >= line.size() || !IsIdentifierByte(line[after]);
}

// True when the line's first word is case or default.
template <class Line> bool StartsWithCaseLabel(const Line& line)
{
    std::size_t k = 0;
    while (k < line.size() && IsBlank(line[k]))
        ++k;
    if (k == line.size())
        return false;
    return MatchesKeywordAt(line, k, "case") || MatchesKeywordAt(line, k, "default");
}

// What may stand before the E of an exponent: a space, a digit or a dot.
inline bool CanLeadExponent(char c)
{
    return c == ' ' || c == '.' || (c >= '0' && c <= '9');
}

// The operator of the table that stands at pos; empty when none does, when
// the sign is that of an exponent (1e-5, 2.0E+3) or when the operator is a
// star in front of a block comment opener.
template <class Line> std::string_view MatchOperator(const Line& line, std::size_t pos)
{
    if (pos >= line.size())
        return {};

    std::string_view result;
    const OperatorCandidates& candidates = OperatorsBeginningWith(static_cast<unsigned char>(line[pos]));
    for (std::size_t c = 0; c < candidates.count; ++c)
    {
        const std::string_view entry = OperatorTable[candidates.entries[c]];
        if (entry.size() > line.size() - pos)
            continue;
        std::size_t k = 0;
        while (k < entry.size() && line[pos + k] == entry[k])
            ++k;
        if (k == entry.size())
        {
            result = entry;
            break;
        }
    }
    if (result.empty())
        return {};

    if ((result == "+" || result == "-") && pos >= 2 && (line[pos - 1] == 'E' || line[pos - 1] == 'e') &&
        CanLeadExponent(line[pos - 2]))
    {
        return {};
    }

    if (result == "*")
    {
        for (std::size_t k = pos + 2; k < line.size(); ++k)
        {
            const char c = line[k];
            if (c == '*' && line[k - 1] == '/')
                return {};
            if (!IsBlank(c) && c != '/')
                break;
        }
    }
    return result;
}

// True when an unescaped quote of that kind stands at pos.
template <class Line> bool IsClosingQuote(const Line& line, std::size_t pos, char quote)
{
    if (pos >= line.size() || line[pos] != quote)
        return false;
    // A backslash at index 0 does not count.
    std::size_t backslashes = 0;
    for (std::size_t k = pos; k > 1 && line[k - 1] == '\\'; --k)
        ++backslashes;
    return backslashes % 2 == 0;
}

// True when the last brace of the line closes a brace opened on it, as in a
// one-line block: no brace of such a line is moved. Comments are stepped
// over; literals are not recognised.
bool LineHasBalancedBraces(std::string_view line, bool inBlockComment);

// What a line owes to the lines after it.
enum class LineDebt
{
    None,
    UnfinishedExpression, // the next line continues it, one level deeper
    BracelessControl,     // the statement after it is one level deeper; nested ones add up
};

// Whether a keyword after a leading closing brace ("} else") is read as the
// line's own. Not when that brace is joined onto the line before: the rest
// of the line is then read on its own, and would owe twice.
enum class ClosingBraceKeyword
{
    Read,
    Ignored
};

// The debt of a line, given the line after it. afterDo is set by a line that
// begins with do and cleared by the while that closes that loop.
LineDebt ClassifyLine(std::string_view line, std::string_view next, bool& afterDo, ClosingBraceKeyword closingBrace);
