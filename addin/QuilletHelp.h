#pragma once

// Opens Quillet's help file, found through the installation folder, on its
// contents page; where the file is missing, the manual installed beside it.
void ShowQuilletHelp();
