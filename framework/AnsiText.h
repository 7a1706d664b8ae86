#pragma once

#include <string>

// Conversions between automation (wide) strings and 8-bit text in the ANSI
// code page.
std::string ToAnsi(const std::wstring& text);
std::wstring FromAnsi(const std::string& text);

// Conversions that lose nothing: false when a character has no bytes of its
// own in the code page (no best-fit stand-in, no default character), or when
// the bytes are not valid text in it.
bool ToCodePageExactly(unsigned codePage, const std::wstring& text, std::string& bytes);
bool FromCodePageExactly(unsigned codePage, const std::string& bytes, std::wstring& text);
