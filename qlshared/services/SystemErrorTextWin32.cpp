// A failed file call's cause in Windows' own words, and the system's text for any Win32 error or HRESULT.
#include "SystemErrorText.h"

#include <windows.h>

#include <cerrno>
#include <cstring>

std::string LastFileErrorText()
{
    // The C library's file calls fail where the system's calls do, and leave
    // the system's error in place.
    const DWORD code = GetLastError();
    return code == ERROR_SUCCESS ? std::strerror(errno) : SystemErrorText(code);
}

std::string SystemErrorText(unsigned long code)
{
    char buffer[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(code) : text;
}
