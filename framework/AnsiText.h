#pragma once

#include <string>

// Conversions between automation (wide) strings and 8-bit text in the ANSI
// code page.
std::string ToAnsi(const std::wstring& text);
std::wstring FromAnsi(const std::string& text);
