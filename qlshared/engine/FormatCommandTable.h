#pragma once

#include "FormatOptions.h"

#include <cstddef>
#include <string_view>

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

// The set named name (exact spelling), or null. Every front end finds its
// commands here by these names.
const FormatCommandSet* FindFormatCommandSet(std::string_view name);
