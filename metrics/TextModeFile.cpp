// The line-end translation of a text-mode read and write, so a rewritten file keeps CR LF where it should.
#include "TextModeFile.h"

#include "LineEndStyle.h"

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
    return FirstLineEndsInCrLf(originalBytes);
#endif
}

std::string CTextModeFile::ToFileBytes(const std::string& text, bool crLf)
{
    return crLf ? ToCrLfLineEnds(text) : text;
}
