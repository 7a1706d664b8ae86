#pragma once

#include <oaidl.h>

// The formatting commands on the host's active document: the whole text is
// selected, formatted and, unless the engine gives nothing, replaced. No
// character of it is lost: a text holding a NUL is refused, and one the ANSI
// code page cannot hold is formatted as UTF-8; when the host refuses the new
// text, the old one stays. Each refusal is shown in one message box.

// A fixed-option command, by its name in the format command table.
void FormatActiveDocument(IDispatch* application, const char* formatCommand);
// The full format under the stored settings.
void FullFormatActiveDocument(IDispatch* application);
