#pragma once

#include <string>

// Project files written on Windows name files without regard to case
// (".\QWFwd.dsp" for qwfwd.dsp). On a case-sensitive file system a path that
// does not exist as written is looked up folder by folder ignoring case; the
// first match wins. On Windows, and when nothing matches, the path comes back
// unchanged.
std::string ResolveFileNameCase(const std::string& nativePath);

// Whether two names are the same but for letter case, as Windows compares
// file names.
bool EqualIgnoringCase(const std::string& a, const std::string& b);

// Everything after the last "." of a file name (the whole name when it has
// none), in lower case: what the counters and the batch compare with their
// lists of extensions.
std::string LowerExtension(const std::string& fileName);
