#pragma once

#include <windows.h>

// The platform help viewer goes through ShowHelpViewer, so that tests record
// what would be opened instead of starting a viewer (as MessageBoxSeam.h does
// for message boxes).

using HelpViewerRoutine = BOOL(WINAPI*)(HWND owner, const char* file, UINT command, ULONG_PTR data);

BOOL ShowHelpViewer(HWND owner, const char* file, UINT command, ULONG_PTR data);

// Installs a viewer and returns the one it replaces; null restores WinHelpA.
HelpViewerRoutine SetHelpViewer(HelpViewerRoutine viewer);
