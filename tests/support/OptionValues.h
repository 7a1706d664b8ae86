#pragma once

#include "FormatOptions.h"

#include <vector>

// The thirteen options as stored numbers in the formatter's load order, so
// whole sets compare in one check.
inline std::vector<int> OptionValues(const FormatOptions& o)
{
    return {o.TabSize,
            o.IndentSize,
            static_cast<int>(o.SpaceTabStyle),
            static_cast<int>(o.OpenIndentStyle),
            static_cast<int>(o.OpenNewLineStyle),
            static_cast<int>(o.CloseIndentStyle),
            static_cast<int>(o.CloseNewLineStyle),
            static_cast<int>(o.ParenthesesSpace),
            static_cast<int>(o.OperatorSpace),
            static_cast<int>(o.DeleteTrailingWhiteSpace),
            static_cast<int>(o.SpellCheckComments),
            static_cast<int>(o.SpellCheckText),
            static_cast<int>(o.RecalculateIndents)};
}
