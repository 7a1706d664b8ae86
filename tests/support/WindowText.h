#pragma once

#include <windows.h>

#include <string>

// A window's text, as another program reads it.
inline std::string WindowText(HWND hwnd)
{
    char buffer[1024] = {};
    GetWindowTextA(hwnd, buffer, sizeof(buffer));
    return buffer;
}
