#pragma once

#include <windows.h>

#include <string>

// The framework's own message boxes (the data-validation refusals, the
// pages' questions): owned by the active window and shown through the
// module's message-box seam (MessageBoxSeam.h). Returns the button pressed
// (IDOK, IDYES, IDNO), with MessageBoxA's type flags.
int RouteMessage(const std::string& text, const std::string& caption, UINT type);

// The title of the application whose resource module is current: its file
// name without the extension, as Windows programs title their boxes.
std::string ApplicationTitle();
