#pragma once

#include <cstddef>
#include <string_view>

// The operators the pass recognises, longest first where one begins another,
// so the first entry that matches is the operator that stands there.
constexpr std::size_t OperatorCount = 35;
extern const std::string_view OperatorTable[OperatorCount];

// The entries that begin with one byte, in table order: trying only these
// finds the same first match as trying the whole table.
struct OperatorCandidates
{
    unsigned char count;
    unsigned char entries[OperatorCount];
};
const OperatorCandidates& OperatorsBeginningWith(unsigned char byte);

inline bool CanBeginOperator(unsigned char byte)
{
    return OperatorsBeginningWith(byte).count != 0;
}

// True when the two bytes, once side by side, would read as one token: a
// two-byte operator of the table or a comment delimiter. Closing up the
// spaces between them would change what the code means.
bool WouldFuse(char before, char after);
