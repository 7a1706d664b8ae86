#pragma once

#include "FormatOptions.h"
#include "IndentUnit.h"
#include "LineArray.h"
#include "LineScanner.h"
#include "ScannerState.h"
#include "WorkingLine.h"

#include <cstddef>

// The indentation bookkeeping of the walk, when indents are recalculated: the
// levels owed to brace-less control statements and unfinished expressions,
// case labels inside a switch, and the new leading blanks of each line.
class CIndenter
{
public:
    CIndenter(const FormatOptions& options, const CLineArray& lines);

    // Runs at every position of code or comment the walk stops at; at the
    // first byte of a line it re-indents the line, which keeps pos at 0.
    // joinsPrevious: the line's opening brace goes up onto the line before,
    // and its blanks go with it.
    void Step(ScannerState& state, CWorkingLine& line, std::size_t lineIndex, std::size_t pos,
              bool joinsPrevious) const;

private:
    void Reindent(ScannerState& state, CWorkingLine& line, bool joinsPrevious, bool closingBraceOwes) const;

    const FormatOptions& m_options;
    const CLineArray& m_lines;
    const IndentUnit m_unit;
    const ClosingBraceKeyword m_closingBraceKeyword;
};
