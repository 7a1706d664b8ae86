#pragma once

#include "CodeFormatter.h"

#include <string>

// Formats text the way an export does and returns the result ("" on failure).
inline std::string FormatWith(const std::string& text, const FormatOptions& options)
{
    CCodeFormatter formatter(text, options);
    return formatter.Format() ? formatter.GetResult() : std::string();
}

// Options that change nothing but the indentation.
inline FormatOptions Reindenting()
{
    FormatOptions options;
    options.RecalculateIndents = OnOff::On;
    return options;
}
