#pragma once

// Test-only exports of the test build of QLAddIn.dll: they reach the seams
// inside the add-in, which the shipped module does not export.

#include "HelpViewerSeam.h"
#include "MessageBoxSeam.h"
#include "ShellOpenSeam.h"

extern "C"
{
    // The add-in's own message-box seam.
    MessageBoxHandler SetAddInMessageBoxHandler(MessageBoxHandler handler);
    // The help viewer the help command opens.
    HelpViewerRoutine SetAddInHelpViewer(HelpViewerRoutine viewer);
    // The shell's open verb, through which the help command opens the manual.
    ShellOpenHandler SetAddInShellOpenHandler(ShellOpenHandler handler);
}
