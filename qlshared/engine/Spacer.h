#pragma once

#include "FormatOptions.h"
#include "WorkingLine.h"

#include <cstddef>

// The spaces around an operator and inside a parenthesis at the walk's
// position in code. Spacing means the space byte only: a tab next to an
// operator or parenthesis is neither counted as a space nor removed.
class CSpacer
{
public:
    explicit CSpacer(const FormatOptions& options);

    // Runs when OperatorSpace is below Keep; moves pos to the last byte of
    // the operator it handled (and of a space inserted after it).
    void SpaceOperator(CWorkingLine& line, std::size_t& pos) const;
    // Runs when ParenthesesSpace is Space or NoSpace.
    void SpaceParentheses(CWorkingLine& line, std::size_t& pos) const;

private:
    const bool m_spaceAroundOperators;
    const bool m_spaceInsideParentheses;
};
