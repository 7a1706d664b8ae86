#pragma once

#include "BatchFormatter.h"

#include <string>

// The one line that tells what a batch run did, for a status bar once the
// run has ended: "Reindent: 2 of 8 files changed", "Reindent: cancelled
// after 3 files, 1 changed", followed by ", 1 file could not be written"
// when a file that was to be formatted was not: it could not be read or
// written, held a NUL byte, or the engine failed on it. Files of other
// kinds, which a batch never formats, are not counted.
std::string BatchSummary(const std::string& command, const BatchReport& report);
