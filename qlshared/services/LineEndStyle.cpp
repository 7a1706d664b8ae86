// Keeps a rewritten file's CR LF line ends, which the formatter's LF-only result would otherwise lose.
#include "LineEndStyle.h"

#include "LargeBuffer.h"

bool FirstLineEndsInCrLf(const std::string& text)
{
    const size_t lineFeed = text.find('\n');
    return lineFeed != std::string::npos && lineFeed > 0 && text[lineFeed - 1] == '\r';
}

std::string ToCrLfLineEnds(const std::string& text)
{
    std::string converted;
    ReserveLarge(converted, text.size() + text.size() / 16);
    for (const char c : text)
    {
        if (c == '\n')
            converted += '\r';
        converted += c;
    }
    return converted;
}
