#pragma once

#include <string>

// The cause of the last failed file call, in the system's own words: on
// Windows the text of GetLastError(), since the C library's errno calls a
// file that another program holds open "Permission denied"; elsewhere
// strerror(errno).
std::string LastFileErrorText();

#ifdef _WIN32
// The system's text for a Win32 error code or HRESULT, without its closing
// full stop; "error N" when the system has none.
std::string SystemErrorText(unsigned long code);
#endif
