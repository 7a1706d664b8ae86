#pragma once

#include <windows.h>

// The platform help viewer, replaceable so that tests open no viewer.
using HelpViewerRoutine = BOOL(WINAPI*)(HWND owner, const char* file, UINT command, ULONG_PTR data);

// Installs a viewer and returns the one it replaces; null restores WinHelpA.
HelpViewerRoutine SetHelpViewer(HelpViewerRoutine viewer);

// Opens Quillet's help file on its contents page.
void ShowQuilletHelp();
