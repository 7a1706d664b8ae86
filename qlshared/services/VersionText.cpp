// The short "1.02" that GetVersionString makes of a product version such as "1, 0, 2, 1".
#include "VersionText.h"

#include <cctype>
#include <cstdio>

std::string ShortVersionText(const std::string& productVersion)
{
    unsigned numbers[3] = {};
    size_t at = 0;
    for (unsigned& number : numbers)
    {
        while (at < productVersion.size() &&
               (productVersion[at] == ',' || std::isspace(static_cast<unsigned char>(productVersion[at]))))
            ++at;
        if (at == productVersion.size() || !std::isdigit(static_cast<unsigned char>(productVersion[at])))
            return "";
        number = 0;
        while (at < productVersion.size() && std::isdigit(static_cast<unsigned char>(productVersion[at])))
        {
            // A version part beyond 16 bits is not a version: keep it bounded.
            if (number < 100000)
                number = number * 10 + static_cast<unsigned>(productVersion[at] - '0');
            ++at;
        }
    }
    char text[40];
    std::snprintf(text, sizeof(text), "%u.%u%u", numbers[0], numbers[1], numbers[2]);
    return text;
}
