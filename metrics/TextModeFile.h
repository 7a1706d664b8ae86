#pragma once

#include <string>

// The line-end translation of a text-mode file. The engine works on bare line
// feeds and ends every line of its result with one.
class CTextModeFile
{
public:
    // What a text-mode read delivers: each CR LF becomes LF; lone CRs stay.
    static std::string FromFileBytes(const std::string& bytes);

    // Whether the rewritten file gets CR LF line ends. On Windows a text-mode
    // write always does; elsewhere the file keeps the style its first line
    // had, so a Windows file edited on Linux stays a Windows file.
    static bool WritesCrLf(const std::string& originalBytes);

    // What a text-mode write puts on disk: each LF becomes CR LF when crLf.
    static std::string ToFileBytes(const std::string& text, bool crLf);
};
