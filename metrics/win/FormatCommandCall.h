#pragma once

#include "FormatCommandTable.h"

#include <string>

class CProgressDlg;

// The add-in's format commands, found by their name in the format command
// table; an unknown name finds a set that changes nothing.
const FormatCommandSet& FindFormatCommand(const char* name);

// Formats a text through QLShared.dll as the command says: FormatText for
// the full format, else SpecialFormatText with the command's nine values.
std::string RunFormatCommand(const FormatCommandSet& command, const std::string& text, CProgressDlg* progress);
