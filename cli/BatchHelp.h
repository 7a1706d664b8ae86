#pragma once

#include <iosfwd>

// The text of "quillet-cli batch --help".
void WriteBatchHelp(std::ostream& out);
