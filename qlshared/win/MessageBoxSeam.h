#pragma once

#include "QLSharedApi.h"

#include <windows.h>

#include <string>

// Every message box of Quillet, the add-in and QLShared goes through
// ShowMessageBox, so that one handler decides how boxes appear. By default
// the handler is MessageBoxA; tests install one that records the box and
// answers it.

// Returns the button pressed (IDOK, IDYES, IDNO, ...), as MessageBoxA does.
using MessageBoxHandler = int (*)(HWND owner, const std::string& text, const std::string& caption, UINT type);

QLSHARED_API int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// Installs a handler and returns the one it replaces; null restores
// MessageBoxA.
QLSHARED_API MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
