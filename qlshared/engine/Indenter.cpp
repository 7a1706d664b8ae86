// Recalculated indentation: the levels braces, brace-less statements and case labels owe, and each line's new blanks.
#include "Indenter.h"

#include "LineScanner.h"

#include <algorithm>

CIndenter::CIndenter(const FormatOptions& options, const CLineArray& lines)
    : m_options(options), m_lines(lines), m_unit(options),
      m_closingBraceKeyword(options.CloseNewLineStyle == BracePlacement::Joined ? ClosingBraceKeyword::Ignored
                                                                                : ClosingBraceKeyword::Read)
{
}

void CIndenter::Step(ScannerState& state, CWorkingLine& line, std::size_t lineIndex, std::size_t pos,
                     bool joinsPrevious) const
{
    const char c = line[pos];
    const bool inComment = state.InBlockComment || state.InLineComment;

    // A semicolon ends the statement that owed indentation, unless it is one
    // of the semicolons inside a for header.
    if (c == ';' && !inComment && !line.HasCloseParenAfter(pos))
        state.PendingIndent = 0;

    // A brace-less "} else" owes its statement a level that the closing
    // brace's reset below must not take back.
    bool closingBraceOwes = false;
    if (pos == 0 && !state.InBlockComment)
    {
        if (!state.AfterPreprocessor)
            state.LineExtraIndent = state.PendingIndent;
        if (lineIndex + 1 < m_lines.Size())
        {
            const LineDebt debt =
                ClassifyLine(line.Contiguous(), m_lines[lineIndex + 1], state.AfterDo, m_closingBraceKeyword);
            if (debt == LineDebt::BracelessControl)
                ++state.PendingIndent;
            else if (debt == LineDebt::UnfinishedExpression)
                state.PendingIndent = 1;
            const std::size_t first = line.FirstNonBlank();
            closingBraceOwes = debt == LineDebt::BracelessControl && first < line.size() && line[first] == '}';
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
        Reindent(state, line, joinsPrevious, closingBraceOwes);
}

void CIndenter::Reindent(ScannerState& state, CWorkingLine& line, bool joinsPrevious, bool closingBraceOwes) const
{
    long long width = 0;
    std::size_t j = 0;
    for (; j < line.size() && IsBlank(line[j]); ++j)
        width += line[j] == ' ' ? 1 : m_options.TabSize;

    int braceAdjust = 0;
    if (j < line.size() && line[j] == '{')
    {
        if (m_options.OpenIndentStyle == BraceIndent::Indent)
            braceAdjust = 1;
        else
            state.PendingIndent = state.LineExtraIndent = 0;
    }
    if (j < line.size() && line[j] == '}' && m_options.CloseIndentStyle != BraceIndent::Indent)
    {
        state.PendingIndent = closingBraceOwes ? 1 : 0;
        state.LineExtraIndent = 0;
        braceAdjust = -1;
    }

    const int levels = braceAdjust + state.CaseAdjust + state.LineExtraIndent + state.BraceDepth;
    state.CaseAdjust = 0;

    // A line already at its width keeps its blanks, tabs included.
    if (width == static_cast<long long>(levels) * m_options.IndentSize)
        return;
    // Blanks that go with a joined brace are not worth making: one stands
    // for them, so that the walk meets the brace as on a re-indented line,
    // without a cost that grows with the depth.
    const std::size_t blanks = m_unit.BlanksFor(levels);
    line.ReplaceLeadingBlanks(j, joinsPrevious ? std::min<std::size_t>(blanks, 1) : blanks, m_unit.blank);
}
