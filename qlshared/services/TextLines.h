#pragma once

#include <cstddef>
#include <string>

// Where a reformatted text first differs from the text it came from, for
// the "FILE:LINE: would reformat" reports of checking runs.

// The 1-based line of oldText on which newText first differs from it; a
// change after oldText's last line end counts as on its last line.
std::size_t FirstChangedLine(const std::string& oldText, const std::string& newText);
