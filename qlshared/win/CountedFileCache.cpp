// Keeps the file counted last, so that its comment count, asked for right after its line count, needs no second read.
#include "CountedFileCache.h"

#include "LineCounter.h"

#include <cstring>

bool CCountedFileCache::Stamp(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& stamp)
{
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &stamp) != FALSE;
}

bool CCountedFileCache::Read(const std::string& path, std::string& bytes)
{
    const std::lock_guard<std::mutex> hold(m_lock);
    // Taken before the read: a change during it shows at the next call.
    WIN32_FILE_ATTRIBUTE_DATA stamp{};
    const bool stamped = Stamp(path, stamp);
    if (stamped && path == m_path && stamp.nFileSizeLow == m_stamp.nFileSizeLow &&
        stamp.nFileSizeHigh == m_stamp.nFileSizeHigh &&
        std::memcmp(&stamp.ftLastWriteTime, &m_stamp.ftLastWriteTime, sizeof(FILETIME)) == 0)
    {
        bytes.swap(m_bytes);
        m_path.clear();
        m_bytes.clear();
        return true;
    }
    m_path.clear();
    m_bytes.clear();
    if (!CLineCounter::ReadFromDisk(path, bytes))
        return false;
    if (stamped)
    {
        m_path = path;
        m_bytes = bytes;
        m_stamp = stamp;
    }
    return true;
}
