#pragma once

#include "FormatCommandTable.h"

#include <string>

// The command of that name, or null.
const FormatCommandSet* FindFormatCommandSet(const std::string& name);

// Every command name, separated by ", ", for help and error texts.
std::string FormatCommandSetList();
