#pragma once

#include "FormatOptions.h"

#include <algorithm>
#include <cstddef>
#include <string>

// One level of the indentation the engine writes: IndentSize spaces, or one
// tab when spaces become tabs. The walk writes it after the tab conversion,
// so it stays as written.
struct IndentUnit
{
    explicit IndentUnit(const FormatOptions& options)
        : blank(options.SpaceTabStyle == TabConversion::SpacesToTabs ? '\t' : ' '),
          width(blank == '\t' ? 1 : static_cast<std::size_t>(std::max(options.IndentSize, 0)))
    {
    }

    // The number of blanks of that many levels; none for zero or fewer.
    std::size_t BlanksFor(int levels) const { return levels <= 0 ? 0 : static_cast<std::size_t>(levels) * width; }

    char blank;
    std::size_t width;
};
