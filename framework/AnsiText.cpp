// Conversions between automation's wide strings and 8-bit text, with exact forms that refuse any loss.
#include "AnsiText.h"

#include <windows.h>

std::string ToAnsi(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(size > 0 ? size : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), &result[0], size, nullptr, nullptr);
    return result;
}

std::wstring FromAnsi(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    int size = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(size > 0 ? size : 0, L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &result[0], size);
    return result;
}

bool ToCodePageExactly(unsigned codePage, const std::wstring& text, std::string& bytes)
{
    bytes.clear();
    if (text.empty())
        return true;
    // UTF-8 takes no best-fit flag; its loss, an unpaired surrogate turned
    // into U+FFFD, shows in the round trip below as every other loss does.
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int size = WideCharToMultiByte(codePage, flags, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return false;
    bytes.assign(std::size_t(size), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), int(text.size()), &bytes[0], size, nullptr, nullptr);
    std::wstring back;
    return FromCodePageExactly(codePage, bytes, back) && back == text;
}

bool FromCodePageExactly(unsigned codePage, const std::string& bytes, std::wstring& text)
{
    text.clear();
    if (bytes.empty())
        return true;
    const int size = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
    if (size <= 0)
        return false;
    text.assign(std::size_t(size), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), &text[0], size);
    return true;
}
