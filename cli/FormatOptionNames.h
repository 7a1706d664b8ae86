#pragma once

#include "FormatOptionTable.h"

#include <string>

// The thirteen options by their stored value names, with the values the
// command line accepts for each (minimum to maximum).
using FormatOptionName = FormatOptionSpec;

// The option of that name (exact spelling), or null.
const FormatOptionName* FindFormatOptionName(const std::string& name);

// Every option name, separated by ", ", for help and error texts.
std::string FormatOptionNameList();
