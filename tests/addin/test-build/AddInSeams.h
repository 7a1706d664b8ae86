#pragma once

// Test-only exports of the test build of QLAddIn.dll: they reach the seams
// inside the add-in, which the shipped module does not export.

#include "HelpViewer.h"
#include "MessageBoxSeam.h"

extern "C"
{
    // The add-in's own message-box seam.
    MessageBoxHandler SetAddInMessageBoxHandler(MessageBoxHandler handler);
    // The help viewer the help command opens.
    HelpViewerRoutine SetAddInHelpViewer(HelpViewerRoutine viewer);
}
