#pragma once

#include "FormatOptions.h"
#include "LineArray.h"
#include "ProgressSink.h"
#include "ScannerState.h"
#include "WorkingLine.h"

#include <cstddef>
#include <string>
#include <string_view>

// Formats one text under the thirteen format options: splits it into lines,
// walks them once (comments, literals, preprocessor lines, brace depth,
// indentation, brace placement, spacing) with whole-text steps for tabs and
// trailing white space before and after, and joins the lines again.
//
// The operations that look at a line are templates over the line's type:
// std::string, std::string_view or the walk's CWorkingLine.
class CCodeFormatter
{
public:
    CCodeFormatter(const std::string& text, const FormatOptions& options);

    void SetProgressDialog(IProgressSink* progress) { ProgressDialog = progress; }
    // Nonzero on success; 0 when the pass ran out of memory or failed
    // otherwise, in which case the result is to be discarded.
    int Format();
    std::string GetResult() const { return Text; }

    void ReportProgress(std::size_t lineIndex, std::size_t lineCount);

    // 0: the line owes nothing to the lines after it; 1: the next line
    // continues an unfinished expression; 2: a brace-less control statement.
    int ClassifyLine(std::string_view line, std::string_view next);
    template <class Line>
    bool MatchesKeywordAt(const Line& line, std::size_t pos, std::string_view word) const;
    template <class Line>
    bool StartsWithCaseLabel(const Line& line) const;
    // The operator at pos (empty when none) and whether it wants a space on
    // each side.
    template <class Line>
    std::string_view MatchOperator(const Line& line, std::size_t pos, bool& spaceBefore,
                                   bool& spaceAfter) const;
    template <class Line>
    bool IsClosingQuote(const Line& line, std::size_t pos, char quote) const;
    static bool EndsWithBackslash(std::string_view line);
    bool LineHasBalancedBraces(std::string_view line, bool inBlockComment) const;

    void MoveBraceToNewLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos, int depth);
    void JoinBraceToPreviousLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos);

    bool HasCodeThrough(const CWorkingLine& line, std::size_t count) const;
    void SpaceOperator(CWorkingLine& line, std::size_t& pos);
    void SpaceParentheses(CWorkingLine& line, std::size_t& pos);

    void ConvertTabsToSpaces();
    void ConvertSpacesToTabs();
    bool ReplaceFirstInEachLine(const std::string& search, const std::string& replacement);
    void TrimLines();
    void CheckCommentSpelling();
    void CheckTextSpelling();

    int OpenIndentStyle;
    int OpenNewLineStyle;
    int CloseIndentStyle;
    int CloseNewLineStyle;
    int OperatorSpace;
    int ParenthesesSpace;
    int DeleteTrailingWhiteSpace;
    int RecalculateIndents;
    int SpellCheckComments;
    int SpellCheckText;
    int SpaceTabStyle;
    int LastProgressPercent = 0;
    CLineArray Lines;
    int AfterDo = 0;
    IProgressSink* ProgressDialog = nullptr;
    int TabSize;
    int IndentSize;
    std::string Text;

private:
    void PrepareByteSets();
    const ByteSet& BytesThatMatter(const ScannerState& state) const;
    void WalkLine(ScannerState& state, CWorkingLine& line, std::size_t& lineIndex);
    void StepIndentation(ScannerState& state, CWorkingLine& line, std::size_t lineIndex,
                         std::size_t pos);
    void Reindent(ScannerState& state, CWorkingLine& line);
    // False when the end-of-position step is to be skipped for this byte.
    bool StepCode(ScannerState& state, CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos);
    void StepEndOfPosition(ScannerState& state, const CWorkingLine& line, std::size_t pos) const;
    void ReplaceAllInEachLine(const std::string& search, const std::string& replacement);
    std::string IndentUnits(int levels) const;
    void JoinLines();

    // The bytes at which some step of the walk can act, for each kind of
    // text the walk can be in; the walk passes over every other byte.
    ByteSet m_codeBytes{};
    ByteSet m_blockCommentBytes{};
    ByteSet m_stringBytes{};
    ByteSet m_charBytes{};
    ByteSet m_noBytes{};
};
