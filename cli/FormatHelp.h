#pragma once

#include <iosfwd>

// The text of "quillet-cli format --help".
void WriteFormatHelp(std::ostream& out);
