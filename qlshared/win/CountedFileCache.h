#pragma once

#include <windows.h>

#include <mutex>
#include <string>

// The file the counters read last, kept to serve the other count of the same
// file once: a workspace's reader asks for a file's lines and then for its
// comments, and opening a file costs far more than counting it. The copy is
// served only while the file's size and last write time are still those it
// had when it was read.
class CCountedFileCache
{
public:
    // The whole file at path, read from the disk or from the copy.
    bool Read(const std::string& path, std::string& bytes);

private:
    static bool Stamp(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& stamp);

    std::mutex m_lock;
    std::string m_path;
    std::string m_bytes;
    WIN32_FILE_ATTRIBUTE_DATA m_stamp{};
};
