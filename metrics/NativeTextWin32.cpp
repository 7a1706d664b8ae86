// NativeFromUtf8 on Windows: through UTF-16 to the ANSI code page.

#include "NativeText.h"

#include <windows.h>

std::string NativeFromUtf8(const std::string& utf8)
{
    if (utf8.empty())
        return utf8;
    const int wideSize = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    if (wideSize <= 0)
        return utf8;
    std::wstring wide(wideSize, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], wideSize);
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, nullptr, 0, "?", nullptr);
    std::string native(size > 0 ? size : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, &native[0], size, "?", nullptr);
    return native;
}
