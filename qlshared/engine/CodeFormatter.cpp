#include "CodeFormatter.h"

#include "OperatorTable.h"

#include <algorithm>
#include <cstring>
#include <exception>

namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsIdentifierByte(char c)
{
    const unsigned char b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_';
}

// Index of the first blank-free byte at or after from; npos if none. (The
// library's find_first_not_of tests each byte against the set by a call.)
std::size_t FindNonBlank(std::string_view line, std::size_t from = 0)
{
    for (std::size_t i = from; i < line.size(); ++i)
    {
        if (!IsBlank(line[i]))
            return i;
    }
    return std::string::npos;
}

std::size_t FindLastNonBlank(std::string_view line)
{
    for (std::size_t i = line.size(); i > 0; --i)
    {
        if (!IsBlank(line[i - 1]))
            return i - 1;
    }
    return std::string::npos;
}

// What may stand before the E of an exponent: a space, a digit or a dot.
bool CanLeadExponent(char c)
{
    return c == ' ' || c == '.' || (c >= '0' && c <= '9');
}

// White space as the C library classifies it in the "C" locale.
bool IsTrailingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}

CCodeFormatter::CCodeFormatter(const std::string& text, const FormatOptions& options)
    : OpenIndentStyle(static_cast<int>(options.OpenIndentStyle)),
      OpenNewLineStyle(static_cast<int>(options.OpenNewLineStyle)),
      CloseIndentStyle(static_cast<int>(options.CloseIndentStyle)),
      CloseNewLineStyle(static_cast<int>(options.CloseNewLineStyle)),
      OperatorSpace(static_cast<int>(options.OperatorSpace)),
      ParenthesesSpace(static_cast<int>(options.ParenthesesSpace)),
      DeleteTrailingWhiteSpace(static_cast<int>(options.DeleteTrailingWhiteSpace)),
      RecalculateIndents(static_cast<int>(options.RecalculateIndents)),
      SpellCheckComments(static_cast<int>(options.SpellCheckComments)),
      SpellCheckText(static_cast<int>(options.SpellCheckText)),
      SpaceTabStyle(static_cast<int>(options.SpaceTabStyle)),
      TabSize(options.TabSize),
      IndentSize(options.IndentSize)
{
    // The result is joined into this buffer later; room for it to come out
    // somewhat longer than the input saves moving it then.
    Text.reserve(text.size() + text.size() / 4);
    Text = text;

    // The text ends at its first NUL byte.
    const std::size_t end = std::min(text.find('\0'), text.size());
    const char* const bytes = text.data();
    std::size_t feeds = 0;
    for (const char* at = bytes; (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(bytes + end - at)))) != nullptr; ++at)
        ++feeds;
    Lines.Reserve(feeds + 1);
    Lines.Adopt(std::string_view(bytes, end));
    std::size_t start = 0;
    while (start < end)
    {
        const void* feed = std::memchr(bytes + start, '\n', end - start);
        const std::size_t stop = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - bytes) : end;
        std::size_t length = stop - start;
        if (length > 0 && bytes[stop - 1] == '\r')
            --length;
        Lines.AppendSlice(start, length);
        if (!feed)
            break;
        start = stop + 1;
    }
}

int CCodeFormatter::Format()
{
    try
    {
        // The lines hold the text from here on. The copy of the input is not
        // needed, but its buffer is kept for the result, which is joined into
        // it at the end and is about as long: the peak is the same as freeing
        // it now and allocating it again then.
        Text.clear();

        if (SpaceTabStyle == 0)
            ConvertTabsToSpaces();
        else if (SpaceTabStyle == 1)
            ConvertSpacesToTabs();
        if (DeleteTrailingWhiteSpace)
            TrimLines();

        LastProgressPercent = 0;
        PrepareByteSets();
        ScannerState state;
        CWorkingLine line;
        // Brace moves insert and remove lines, so the count is read anew for
        // every line.
        for (std::size_t lineIndex = 0; lineIndex < Lines.Size(); ++lineIndex)
        {
            ReportProgress(lineIndex, Lines.Size());
            if (!state.Continued)
            {
                if (state.InPreprocessor)
                    state.AfterPreprocessor = true;
                state.InLineComment = false;
                state.InString = false;
                state.InChar = false;
                state.InPreprocessor = false;
            }
            line.Load(Lines[lineIndex]);
            WalkLine(state, line, lineIndex);
            if (line.IsChanged())
                Lines.Set(lineIndex, line.Contiguous());
            state.Continued = EndsWithBackslash(Lines[lineIndex]);
        }

        if (DeleteTrailingWhiteSpace)
            TrimLines();
        if (SpellCheckComments)
            CheckCommentSpelling();
        if (SpellCheckText)
            CheckTextSpelling();
        JoinLines();
        return 1;
    }
    catch (const std::exception&)
    {
        return 0;
    }
}

void CCodeFormatter::ReportProgress(std::size_t lineIndex, std::size_t lineCount)
{
    if (!ProgressDialog || lineCount == 0)
        return;
    // 64-bit product: a text may have more than 21 million lines.
    const int percent = static_cast<int>(static_cast<unsigned long long>(lineIndex) * 100u / lineCount);
    if (percent > LastProgressPercent)
    {
        ProgressDialog->OnProgress(percent);
        LastProgressPercent = percent;
    }
}

void CCodeFormatter::PrepareByteSets()
{
    m_codeBytes = ByteSet{};
    for (unsigned char c : {'{', '}', '/', '"', '\'', '#'})
        m_codeBytes[c] = true;
    if (RecalculateIndents)
    {
        m_codeBytes[';'] = true;
        m_codeBytes['s'] = true;  // the start of "switch"
    }
    if (OperatorSpace < 2)
    {
        for (int c = 0; c < 256; ++c)
            m_codeBytes[c] = m_codeBytes[c] || CanBeginOperator(static_cast<unsigned char>(c));
    }
    if (ParenthesesSpace == 0 || ParenthesesSpace == 1)
        m_codeBytes['('] = m_codeBytes[')'] = true;
    m_blockCommentBytes['/'] = true;
    m_stringBytes['"'] = true;
    m_charBytes['\''] = true;
}

// A line comment and preprocessor text run to the end of the line and no
// step acts inside them.
const ByteSet& CCodeFormatter::BytesThatMatter(const ScannerState& state) const
{
    if (state.InLineComment || state.InPreprocessor)
        return m_noBytes;
    if (state.InBlockComment)
        return m_blockCommentBytes;
    if (state.InString)
        return m_stringBytes;
    if (state.InChar)
        return m_charBytes;
    return m_codeBytes;
}

void CCodeFormatter::WalkLine(ScannerState& state, CWorkingLine& line, std::size_t& lineIndex)
{
    // Only a brace move needs the flag; the scan is skipped when none can happen.
    const bool bracesMove = OpenNewLineStyle == 0 || OpenNewLineStyle == 1 ||
                            CloseNewLineStyle == 0 || CloseNewLineStyle == 1;
    state.LineHasBalancedBraces = bracesMove && LineHasBalancedBraces(line.Contiguous(), state.InBlockComment);

    for (std::size_t pos = 0; pos < line.size(); ++pos)
    {
        // The first byte always gets the indentation step.
        if (pos > 0)
        {
            pos = line.FindFirstOf(pos, BytesThatMatter(state));
            if (pos >= line.size())
                break;
            // Past the first byte an 's' matters only as the start of switch.
            if (line[pos] == 's' && !MatchesKeywordAt(line, pos, "switch"))
                continue;
        }
        if (RecalculateIndents && !state.InString && !state.InChar && !state.InPreprocessor)
        {
            StepIndentation(state, line, lineIndex, pos);
            if (pos >= line.size())
                break;
        }
        if (StepCode(state, line, lineIndex, pos))
            StepEndOfPosition(state, line, pos);
    }
}

void CCodeFormatter::StepIndentation(ScannerState& state, CWorkingLine& line, std::size_t lineIndex,
                                     std::size_t pos)
{
    const char c = line[pos];
    const bool inComment = state.InBlockComment || state.InLineComment;

    // A semicolon ends the statement that owed indentation, unless it is one
    // of the semicolons inside a for header.
    if (c == ';' && !inComment && !line.HasCloseParenAfter(pos))
        state.PendingIndent = 0;

    if (pos == 0 && !state.InBlockComment)
    {
        if (!state.AfterPreprocessor)
            state.LineExtraIndent = state.PendingIndent;
        if (lineIndex + 1 < Lines.Size())
        {
            const int owed = ClassifyLine(line.Contiguous(), Lines[lineIndex + 1]);
            if (owed == 2)
                ++state.PendingIndent;
            else if (owed == 1)
                state.PendingIndent = 1;
        }
        state.AfterPreprocessor = false;
    }

    if (!inComment && MatchesKeywordAt(line, pos, "switch"))
        state.InSwitch = true;

    if (state.InSwitch)
    {
        if (!inComment && c == '{')
            ++state.SwitchBraceDepth;
        else if (!inComment && c == '}' && --state.SwitchBraceDepth == 0)
            state.InSwitch = false;
        if (pos == 0 && state.BraceDepth > 0 && !state.InBlockComment)
            state.CaseAdjust = StartsWithCaseLabel(line) ? -1 : 0;
    }

    if (pos == 0 && c != '#')
        Reindent(state, line);
}

void CCodeFormatter::Reindent(ScannerState& state, CWorkingLine& line)
{
    long long width = 0;
    std::size_t j = 0;
    for (; j < line.size() && IsBlank(line[j]); ++j)
        width += line[j] == ' ' ? 1 : TabSize;

    int braceAdjust = 0;
    if (j < line.size() && line[j] == '{')
    {
        if (OpenIndentStyle == 0)
            braceAdjust = 1;
        else
            state.PendingIndent = state.LineExtraIndent = 0;
    }
    if (j < line.size() && line[j] == '}' && CloseIndentStyle != 0)
    {
        state.PendingIndent = state.LineExtraIndent = 0;
        braceAdjust = -1;
    }

    const int levels = braceAdjust + state.CaseAdjust + state.LineExtraIndent + state.BraceDepth;
    state.CaseAdjust = 0;

    // A line already at its width keeps its blanks, tabs included.
    if (width == static_cast<long long>(levels) * IndentSize)
        return;
    if (levels <= 0)
        line.ReplaceLeadingBlanks(j, 0, ' ');
    else if (SpaceTabStyle == 1)
        line.ReplaceLeadingBlanks(j, static_cast<std::size_t>(levels), '\t');
    else
        line.ReplaceLeadingBlanks(j, static_cast<std::size_t>(levels) * static_cast<std::size_t>(std::max(IndentSize, 0)), ' ');
}

bool CCodeFormatter::StepCode(ScannerState& state, CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos)
{
    if (state.InLineComment || state.InBlockComment || state.InString || state.InChar || state.InPreprocessor)
        return true;

    const char c = line[pos];
    if (c == '/' && pos + 1 < line.size() && line[pos + 1] == '/')
    {
        state.InLineComment = true;
        return true;
    }
    if (c == '/' && pos + 1 < line.size() && line[pos + 1] == '*')
    {
        state.InBlockComment = true;
        // In "/*/" the last slash does not close the comment it belongs to.
        if (pos + 2 < line.size() && line[pos + 2] == '/')
            pos += 3;
        // The end-of-comment test is skipped here: in "*/*" the slash that
        // opens the comment would otherwise close it at once.
        return false;
    }
    if (c == '"')
    {
        state.InString = true;
        return false;
    }
    if (c == '\'')
    {
        state.InChar = true;
        return false;
    }
    if (c == '#' && !state.Continued)
    {
        state.InPreprocessor = true;
        return false;
    }

    if (c == '{')
    {
        ++state.BraceDepth;
        if (!state.LineHasBalancedBraces)
        {
            if (OpenNewLineStyle == 0)
                MoveBraceToNewLine(line, lineIndex, pos, state.BraceDepth);
            else if (OpenNewLineStyle == 1)
                JoinBraceToPreviousLine(line, lineIndex, pos);
        }
    }
    else if (c == '}')
    {
        if (!state.LineHasBalancedBraces)
        {
            if (CloseNewLineStyle == 0)
                MoveBraceToNewLine(line, lineIndex, pos, state.BraceDepth);
            else if (CloseNewLineStyle == 1)
                JoinBraceToPreviousLine(line, lineIndex, pos);
        }
        --state.BraceDepth;
    }

    if (OperatorSpace < 2)
        SpaceOperator(line, pos);
    if (ParenthesesSpace == 0 || ParenthesesSpace == 1)
        SpaceParentheses(line, pos);
    return true;
}

void CCodeFormatter::StepEndOfPosition(ScannerState& state, const CWorkingLine& line, std::size_t pos) const
{
    if (pos >= line.size())
        return;
    if (state.InBlockComment)
    {
        if (pos > 0 && line[pos] == '/' && line[pos - 1] == '*')
            state.InBlockComment = false;
    }
    else if (state.InString)
    {
        if (IsClosingQuote(line, pos, '"'))
            state.InString = false;
    }
    else if (state.InChar)
    {
        if (IsClosingQuote(line, pos, '\''))
            state.InChar = false;
    }
}

bool CCodeFormatter::LineHasBalancedBraces(std::string_view line, bool inBlockComment) const
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

int CCodeFormatter::ClassifyLine(std::string_view line, std::string_view next)
{
    const std::size_t k = FindNonBlank(line);
    if (k == std::string::npos)
        return 0;

    bool control = false;
    if (MatchesKeywordAt(line, k, "if") || MatchesKeywordAt(line, k, "switch") ||
        MatchesKeywordAt(line, k, "for") || MatchesKeywordAt(line, k, "else"))
    {
        control = true;
    }
    else if (MatchesKeywordAt(line, k, "do"))
    {
        AfterDo = 1;
        control = true;
    }
    else if (MatchesKeywordAt(line, k, "while"))
    {
        // The while that closes a do loop ends a statement instead of
        // starting one.
        if (AfterDo)
            AfterDo = 0;
        else
            control = true;
    }
    if (control && line.find('{', k) == std::string::npos)
        return 2;

    std::size_t last = std::string::npos;
    if (line.find('/', k) == std::string::npos)
    {
        // No comment to step over: the last significant byte is the last
        // non-blank one.
        last = FindLastNonBlank(line);
    }
    else
    {
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
    }

    if (last == std::string::npos)
        return 0;
    const char end = line[last];
    if (end == '{' || end == '}' || end == ';')
        return 0;
    if (end == '(')
        return 1;
    bool spaceBefore = false;
    bool spaceAfter = false;
    if (!MatchOperator(line, last, spaceBefore, spaceAfter).empty())
        return 1;

    std::size_t m = FindNonBlank(next);
    if (m == std::string::npos)
        m = next.size();
    const std::string_view op = MatchOperator(next, m, spaceBefore, spaceAfter);
    if (op.empty())
        return 0;
    if (op == "/" && m + 1 < next.size() && (next[m + 1] == '/' || next[m + 1] == '*'))
        return 0;
    return 1;
}

template <class Line>
bool CCodeFormatter::MatchesKeywordAt(const Line& line, std::size_t pos, std::string_view word) const
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

template <class Line>
bool CCodeFormatter::StartsWithCaseLabel(const Line& line) const
{
    std::size_t k = 0;
    while (k < line.size() && IsBlank(line[k]))
        ++k;
    if (k == line.size())
        return false;
    return MatchesKeywordAt(line, k, "case") || MatchesKeywordAt(line, k, "default");
}

template <class Line>
std::string_view CCodeFormatter::MatchOperator(const Line& line, std::size_t pos, bool& spaceBefore,
                                               bool& spaceAfter) const
{
    spaceBefore = false;
    spaceAfter = false;
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

    // The sign of an exponent, as in 1e-5 or 2.0E+3.
    if ((result == "+" || result == "-") && pos >= 2 && (line[pos - 1] == 'E' || line[pos - 1] == 'e') &&
        CanLeadExponent(line[pos - 2]))
    {
        return {};
    }

    // A star in front of a block comment opener is left alone.
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

    spaceBefore = spaceAfter = OperatorSpace == 0;
    return result;
}

template <class Line>
bool CCodeFormatter::IsClosingQuote(const Line& line, std::size_t pos, char quote) const
{
    if (pos >= line.size() || line[pos] != quote)
        return false;
    // A backslash at index 0 does not count.
    std::size_t backslashes = 0;
    for (std::size_t k = pos; k > 1 && line[k - 1] == '\\'; --k)
        ++backslashes;
    return backslashes % 2 == 0;
}

bool CCodeFormatter::EndsWithBackslash(std::string_view line)
{
    return !line.empty() && line.back() == '\\';
}

void CCodeFormatter::MoveBraceToNewLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos, int depth)
{
    const std::size_t p = pos;
    if (p == 0 || line.FirstNonBlank() >= p)
        return;

    const std::string_view code = line.Contiguous();
    const char brace = code[p];
    const bool extraUnit = brace == '{' ? OpenIndentStyle == 0 : CloseIndentStyle == 0;
    std::string braceLine = IndentUnits(depth - 1) + IndentUnits(extraUnit ? 1 : 0);
    const std::size_t bracePos = braceLine.size();
    braceLine += brace;

    std::string rest;
    const std::size_t q = FindNonBlank(code, p + 1);
    if (q != std::string::npos)
    {
        if (brace == '{')
            rest = IndentUnits(std::max(depth, 1)).append(code.substr(q));
        else
            braceLine.append(code.substr(p + 1)); // keeps "} else" together
    }

    const std::size_t i = lineIndex;
    Lines.Set(i, code.substr(0, p));
    if (!rest.empty())
        Lines.InsertAt(i + 1, rest);
    Lines.InsertAt(i + 1, braceLine);

    lineIndex = i + 1;
    pos = bracePos;
    line.Load(Lines[lineIndex]);
}

void CCodeFormatter::JoinBraceToPreviousLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos)
{
    const std::size_t p = pos;
    const std::size_t i = lineIndex;
    if (line.FirstNonBlank() < p || i == 0)
        return;
    const std::string_view previous = Lines[i - 1];
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
    Lines.Set(i - 1, joined);

    const std::string_view rest = current.substr(p + 1);
    if (rest.empty())
        Lines.RemoveAt(i);
    else
        Lines.Set(i, rest);

    lineIndex = i - 1;
    pos = joined.size() - 1;
    line.Load(Lines[lineIndex]);
}

bool CCodeFormatter::HasCodeThrough(const CWorkingLine& line, std::size_t count) const
{
    if (count == 0 || count >= line.size() || line[count - 1] == ' ')
        return false;
    return line.FirstNonBlank() < count;
}

void CCodeFormatter::SpaceOperator(CWorkingLine& line, std::size_t& pos)
{
    if (!HasCodeThrough(line, pos + 1))
        return;
    bool spaceBefore = false;
    bool spaceAfter = false;
    const std::string_view op = MatchOperator(line, pos, spaceBefore, spaceAfter);
    if (op.empty())
        return;
    const std::size_t length = op.size();
    std::size_t end = pos + length - 1;

    if (pos > 0)
    {
        if (spaceBefore)
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
        if (spaceAfter)
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

void CCodeFormatter::SpaceParentheses(CWorkingLine& line, std::size_t& pos)
{
    if (ParenthesesSpace == 0)
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

void CCodeFormatter::ConvertTabsToSpaces()
{
    ReplaceAllInEachLine("\t", std::string(static_cast<std::size_t>(std::max(TabSize, 0)), ' '));
}

void CCodeFormatter::ConvertSpacesToTabs()
{
    if (TabSize <= 0)
        return;
    ReplaceAllInEachLine(std::string(static_cast<std::size_t>(TabSize), ' '), "\t");
}

bool CCodeFormatter::ReplaceFirstInEachLine(const std::string& search, const std::string& replacement)
{
    if (search.empty() || search == replacement)
        return false;
    bool changed = false;
    for (std::size_t i = 0; i < Lines.Size(); ++i)
    {
        const std::string_view line = Lines[i];
        const std::size_t at = line.find(search);
        if (at == std::string_view::npos)
            continue;
        std::string replaced(line.substr(0, at));
        replaced += replacement;
        replaced += line.substr(at + search.size());
        Lines.Set(i, replaced);
        changed = true;
    }
    return changed;
}

// Gives each line what calling ReplaceFirstInEachLine until nothing changes
// would give: the replacement never contains the search string, so each call
// replaces the next occurrence to the right. One pass per line instead of one
// pass over the whole text per occurrence.
void CCodeFormatter::ReplaceAllInEachLine(const std::string& search, const std::string& replacement)
{
    std::string replaced;
    for (std::size_t i = 0; i < Lines.Size(); ++i)
    {
        const std::string_view line = Lines[i];
        std::size_t at = line.find(search);
        if (at == std::string_view::npos)
            continue;
        replaced.clear();
        std::size_t from = 0;
        for (; at != std::string_view::npos; at = line.find(search, from))
        {
            replaced.append(line.substr(from, at - from));
            replaced += replacement;
            from = at + search.size();
        }
        replaced.append(line.substr(from));
        Lines.Set(i, replaced);
    }
}

void CCodeFormatter::TrimLines()
{
    for (std::size_t i = 0; i < Lines.Size(); ++i)
    {
        const std::string_view line = Lines[i];
        std::size_t length = line.size();
        while (length > 0 && IsTrailingSpace(line[length - 1]))
            --length;
        Lines.Truncate(i, length);
    }
}

// Spell checking of comments was never part of the engine's output: the
// option is accepted and changes nothing.
void CCodeFormatter::CheckCommentSpelling()
{
}

// Likewise for spell checking of quoted text.
void CCodeFormatter::CheckTextSpelling()
{
}

std::string CCodeFormatter::IndentUnits(int levels) const
{
    if (levels <= 0)
        return std::string();
    if (SpaceTabStyle == 1)
        return std::string(static_cast<std::size_t>(levels), '\t');
    return std::string(static_cast<std::size_t>(levels) * static_cast<std::size_t>(std::max(IndentSize, 0)), ' ');
}

void CCodeFormatter::JoinLines()
{
    std::size_t total = 0;
    for (std::size_t i = 0; i < Lines.Size(); ++i)
        total += Lines[i].size() + 1;
    Text.reserve(total);
    for (std::size_t i = 0; i < Lines.Size(); ++i)
    {
        Text += Lines[i];
        Text += '\n';
    }
    Lines.Clear();
}

template bool CCodeFormatter::MatchesKeywordAt(const std::string&, std::size_t, std::string_view) const;
template bool CCodeFormatter::MatchesKeywordAt(const std::string_view&, std::size_t, std::string_view) const;
template bool CCodeFormatter::MatchesKeywordAt(const CWorkingLine&, std::size_t, std::string_view) const;
template bool CCodeFormatter::StartsWithCaseLabel(const std::string&) const;
template bool CCodeFormatter::StartsWithCaseLabel(const std::string_view&) const;
template bool CCodeFormatter::StartsWithCaseLabel(const CWorkingLine&) const;
template std::string_view CCodeFormatter::MatchOperator(const std::string&, std::size_t, bool&, bool&) const;
template std::string_view CCodeFormatter::MatchOperator(const std::string_view&, std::size_t, bool&, bool&) const;
template std::string_view CCodeFormatter::MatchOperator(const CWorkingLine&, std::size_t, bool&, bool&) const;
template bool CCodeFormatter::IsClosingQuote(const std::string&, std::size_t, char) const;
template bool CCodeFormatter::IsClosingQuote(const std::string_view&, std::size_t, char) const;
template bool CCodeFormatter::IsClosingQuote(const CWorkingLine&, std::size_t, char) const;
