#pragma once

#include <memory>
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

// ReplaceFileContents in two steps, so that many rewrites can be made ready
// at once and each put in place in its turn: Prepare checks the file and,
// where the system allows, writes the new bytes beside it and flushes them,
// leaving the file untouched; Commit puts them in the file's place. Dropped
// before Commit, it leaves nothing behind.
class CFileReplacement
{
public:
    CFileReplacement();
    ~CFileReplacement();
    CFileReplacement(CFileReplacement&& other) noexcept;
    CFileReplacement& operator=(CFileReplacement&& other) noexcept;

    bool Prepare(const std::string& path, const std::string& bytes, std::string& error);
    // Only after a Prepare that succeeded.
    bool Commit(std::string& error);

private:
    struct Pending;
    std::unique_ptr<Pending> m_pending;
};

// Project files name their sources with backslashes; on Linux these become
// slashes when a file is opened. On Windows the path is returned unchanged.
std::string NativePath(const std::string& windowsStylePath);
