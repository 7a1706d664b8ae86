#pragma once

#include "FormatOptions.h"
#include "FormatRequest.h"

#include <string>

// The options a format run starts from: the store (the settings file given
// with --settings or, without it, the platform's own store) read as the
// formatter reads it, then the --command set, then each --option.
// Fails, naming the file and the cause, when a settings file exists but
// cannot be read; a missing file means the defaults.
bool LoadRequestedFormatOptions(const FormatRequest& request, FormatOptions& options, std::string& error);
