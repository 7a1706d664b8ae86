#pragma once

#include <string>

// Whole-file reading and safe rewriting, shared by the command line, the
// batch formatter and the settings file. Errors come back as a short cause
// ("No such file or directory", "is read-only", ...) for the caller to put
// after the file's name.

// Reads every byte of the file. Fails on a missing file, a directory or a
// read error.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);

// Rewrites the file with the given bytes without ever leaving it cut or empty:
// the bytes go to a temporary file in the same folder, which then replaces the
// original; the original's attributes or permissions are kept. A file that is
// read-only or cannot be opened for writing is left untouched and reported. A
// file that does not exist yet is created.
bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error);

// Project files name their sources with backslashes; on Linux these become
// slashes when a file is opened. On Windows the path is returned unchanged.
std::string NativePath(const std::string& windowsStylePath);
