#pragma once

#include "FormatOptions.h"

#include <string>

class CProgressDlg;

// For code inside QLShared only (the options sheet's preview): formats under
// options given in full, with the guard and messages of SpecialFormatText.
std::string FormatTextWithOptions(const std::string& text, CProgressDlg* progress, const FormatOptions& options);
