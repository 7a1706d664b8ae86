#pragma once

#include "BraceMover.h"
#include "FormatOptions.h"
#include "Indenter.h"
#include "LineArray.h"
#include "ProgressReporter.h"
#include "ScannerState.h"
#include "Spacer.h"
#include "WorkingLine.h"

#include <cstddef>

// The walk of the formatting pass: one pass over the lines, byte by byte,
// that tracks comments, string and character literals, preprocessor lines
// and brace depth, and at each position runs the steps the options ask for:
// indentation, brace placement, operator and parentheses spacing.
class CCodeWalk
{
public:
    CCodeWalk(const FormatOptions& options, CLineArray& lines, IProgressSink* progress);

    void Run();

private:
    // What a step of the walk leaves to do at its byte.
    enum class StepEnd
    {
        EndTest,   // the end-of-position step runs
        NoEndTest, // it is skipped for this byte
        LineEnded, // a brace move ended the line; the working line holds the next
    };

    // held: the working line already holds the line, split off the previous
    // one.
    void BeginLine(CWorkingLine& line, std::size_t lineIndex, bool held);
    // True when a brace move ended the line and the working line holds the
    // next one.
    bool WalkLine(CWorkingLine& line, std::size_t& lineIndex);
    const ByteSet& BytesThatMatter() const;
    bool OpeningBraceJoins(const CWorkingLine& line, std::size_t lineIndex) const;
    StepEnd StepCode(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos);
    void EndPosition(const CWorkingLine& line, std::size_t pos);

    CLineArray& m_lines;
    const BracePlacement m_openPlacement;
    const BracePlacement m_closePlacement;
    const bool m_recalculateIndents;
    const bool m_bracesMove;
    const bool m_spaceOperators;
    const bool m_spaceParentheses;
    CProgressReporter m_progress;
    const CIndenter m_indenter;
    const CBraceMover m_braces;
    const CSpacer m_spacer;
    ScannerState m_state;

    // The bytes at which some step of the walk can act, for each kind of
    // text the walk can be in; the walk passes over every other byte.
    ByteSet m_codeBytes{};
    ByteSet m_blockCommentBytes{};
    ByteSet m_stringBytes{};
    ByteSet m_charBytes{};
    ByteSet m_noBytes{};
};
