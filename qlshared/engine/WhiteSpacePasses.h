#pragma once

#include "LineArray.h"

// The passes that treat every line alike, comments and literals included:
// tab conversion before the walk, and trimming before and after it.

// Every tab becomes tabSize spaces, whatever its column; with a size of 0 or
// less every tab is deleted.
void ConvertTabsToSpaces(CLineArray& lines, int tabSize);

// Every run of tabSize spaces, from the left, becomes one tab; a shorter
// remainder stays. A size of 0 or less changes nothing.
void ConvertSpacesToTabs(CLineArray& lines, int tabSize);

// Removes from the end of every line that can still change the bytes the C
// library counts as white space.
void TrimLines(CLineArray& lines);
