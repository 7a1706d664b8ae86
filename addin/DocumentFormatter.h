#pragma once

#include <oaidl.h>

// The formatting commands on the host's active document: the whole text is
// selected, formatted and, unless the engine gives nothing, replaced.

// A fixed-option command, by its name in the format command table.
void FormatActiveDocument(IDispatch* application, const char* formatCommand);
// The full format under the stored settings.
void FullFormatActiveDocument(IDispatch* application);
