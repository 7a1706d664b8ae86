#pragma once

#include "FormatOptions.h"

#include <string>

// The fixed option sets of the single-purpose format commands, as the
// add-in and the batch formatter pass them.
struct FormatCommandSet
{
    const char* name;
    bool usesStoredOptions;       // "full": the stored options unchanged
    SpecialFormatValues values;   // otherwise these replace nine of them
};

// The command of that name, or null.
const FormatCommandSet* FindFormatCommandSet(const std::string& name);

// Every command name, separated by ", ", for help and error texts.
std::string FormatCommandSetList();
