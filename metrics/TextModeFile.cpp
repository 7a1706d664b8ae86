#include "TextModeFile.h"

std::string CTextModeFile::FromFileBytes(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
    {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text += bytes[i];
    }
    return text;
}

bool CTextModeFile::WritesCrLf(const std::string& originalBytes)
{
#ifdef _WIN32
    (void)originalBytes;
    return true;
#else
    const std::size_t lineFeed = originalBytes.find('\n');
    return lineFeed != std::string::npos && lineFeed > 0 && originalBytes[lineFeed - 1] == '\r';
#endif
}

std::string CTextModeFile::ToFileBytes(const std::string& text, bool crLf)
{
    if (!crLf)
        return text;
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (const char c : text)
    {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}
