#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

// The paths of the files the shell dropped on a window (WM_DROPFILES), in
// the order given; the drop is released.
std::vector<std::string> DroppedFiles(HDROP drop);
