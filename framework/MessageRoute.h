#pragma once

#include <windows.h>

#include <string>

// Every message box of the framework (the data-validation refusals, the
// pages' questions) goes through QLShared's message-box seam, so the one
// handler that tests script answers these too. Returns the button pressed
// (IDOK, IDYES, IDNO), with MessageBoxA's type flags.
int RouteMessage(const std::string& text, const std::string& caption, UINT type);

// The caption of the framework's own messages: the file name of the resource
// module without its extension, as Windows programs title their boxes.
std::string ApplicationTitle();
