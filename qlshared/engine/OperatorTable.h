#pragma once

#include <cstddef>
#include <string_view>

// The operators the pass recognises, longest first where one begins another,
// so the first entry that matches is the operator that stands there.
constexpr std::size_t OperatorCount = 35;
extern const std::string_view OperatorTable[OperatorCount];

// True when some operator begins with this byte; lets the matcher skip the
// table for the letters, digits and blanks that make up most of a line.
bool CanBeginOperator(unsigned char byte);
