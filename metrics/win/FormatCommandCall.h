#pragma once

#include "FormatCommandTable.h"

#include <string>

class CProgressDlg;

// Formats a text through QLShared.dll as the command says: FormatText for
// the full format, else SpecialFormatText with the command's nine values.
// progress may be null.
std::string RunFormatCommand(const FormatCommandSet& command, const std::string& text, CProgressDlg* progress);
