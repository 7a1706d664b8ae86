#pragma once

#include <string>

// The extensions formatting accepts, compared in lower case and exactly.
inline const char* const FormattableExtensions[] = {"cpp", "inl", "c", "h"};

inline bool IsFormattableExtension(const std::string& lowerExtension)
{
    for (const char* extension : FormattableExtensions)
    {
        if (lowerExtension == extension)
            return true;
    }
    return false;
}
