#pragma once

#include "FormatOptions.h"

#include <cstddef>

// The format commands the front ends offer: a full format under the stored
// options, or one of the single-purpose commands, each a fixed set of the
// nine values SpecialFormatText takes.
struct FormatCommandSet
{
    const char* name;               // as the command line spells it
    bool usesStoredOptions = false; // the full format: FormatText, the stored options unchanged
    SpecialFormatValues values{};   // otherwise SpecialFormatText with these
};

constexpr std::size_t FormatCommandCount = 9;

// In the order the command line lists them.
extern const FormatCommandSet FormatCommandSets[FormatCommandCount];
