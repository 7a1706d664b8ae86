#pragma once

#include "FormatOptions.h"

#include <vector>

// The thirteen options in store order, so whole sets compare in one check.
inline std::vector<int> OptionValues(const FormatOptions& o)
{
    return {o.TabSize,          o.IndentSize,        o.SpaceTabStyle,    o.OpenIndentStyle,
            o.OpenNewLineStyle, o.CloseIndentStyle,  o.CloseNewLineStyle, o.ParenthesesSpace,
            o.OperatorSpace,    o.DeleteTrailingWhiteSpace, o.SpellCheckComments, o.SpellCheckText,
            o.RecalculateIndents};
}
