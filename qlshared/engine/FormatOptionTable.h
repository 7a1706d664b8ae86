#pragma once

#include "FormatOptions.h"

#include <array>
#include <cstddef>
#include <variant>

// The thirteen format options as the settings store, the command line and the
// options pages know them: what each is called, what it defaults to, what it
// may be set to and when it is read and written.

// The member of FormatOptions an entry stands for.
using FormatOptionMember =
    std::variant<int FormatOptions::*, TabConversion FormatOptions::*, BraceIndent FormatOptions::*,
                 BracePlacement FormatOptions::*, Spacing FormatOptions::*, OnOff FormatOptions::*>;

struct FormatOptionSpec
{
    const char* name; // of the stored value, and of the command line's --option
    FormatOptionMember member;
    int storedDefault; // what the formatter takes when the store lacks the value
    int pageDefault;   // what the option's page shows then
    int minimum;       // the range the command line accepts
    int maximum;
    int loadPosition; // when the formatter reads it, counting from 0
    int savePosition; // when closing the options sheet with OK writes it

    // The member as its stored number, and back: every number is kept as it is.
    int Get(const FormatOptions& options) const;
    void Set(FormatOptions& options, int number) const;
};

constexpr std::size_t FormatOptionCount = 13;

// In the order FormatOptions declares them, which is the order the command
// line lists them in.
extern const FormatOptionSpec FormatOptionTable[FormatOptionCount];

using FormatOptionOrder = std::array<const FormatOptionSpec*, FormatOptionCount>;

// The entries sorted by a position: &FormatOptionSpec::loadPosition or
// &FormatOptionSpec::savePosition.
FormatOptionOrder FormatOptionsInOrderOf(int FormatOptionSpec::*position);

// The entry of one member, for a reader of a single option.
const FormatOptionSpec& FormatOptionOf(FormatOptionMember member);
