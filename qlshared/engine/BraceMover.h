#pragma once

#include "FormatOptions.h"
#include "IndentUnit.h"
#include "LineArray.h"
#include "WorkingLine.h"

#include <cstddef>

// Moves a brace the walk met onto a line of its own or up onto the end of
// the previous line. Both moves edit the lines directly and move the walk's
// line index and position, so that the walk goes on at the same brace in its
// new place; a move that would change what the code means is not made.
class CBraceMover
{
public:
    CBraceMover(const FormatOptions& options, CLineArray& lines);

    // The brace at pos of the working line, which holds the line at
    // lineIndex; depth is the brace depth inside the block. True when the
    // brace ended its line: the walk is done with the line at lineIndex and
    // the working line holds the next one, already stored as an empty line.
    bool Place(BracePlacement placement, CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos, int depth) const;

    // True when an opening brace at pos of the working line, which holds the
    // line at lineIndex, would go up onto the previous line if joined there.
    bool CanJoin(const CWorkingLine& line, std::size_t lineIndex, std::size_t pos) const;

private:
    bool MoveToOwnLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos, int depth) const;
    void JoinToPreviousLine(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos) const;

    const FormatOptions& m_options;
    CLineArray& m_lines;
    const IndentUnit m_unit;
    // The line the last join ended on, which a run of braces is joined to
    // again and again: while the lines are as that join left them, the line
    // is known to take a brace without being searched again.
    mutable std::size_t m_joinedLine = 0;
    mutable std::size_t m_joinedAtChanges = 0;
    mutable bool m_joinedKnown = false;
};
