#pragma once

#include <string>

// The 8-bit text that file names are given in on this system, from UTF-8
// text (what solutions and XML project files hold): the ANSI code page on
// Windows, where a character it lacks becomes '?' (never a look-alike, which
// could name another file); UTF-8 itself elsewhere.
std::string NativeFromUtf8(const std::string& utf8);
