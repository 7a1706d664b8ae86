// The library's exports GetLineCount and GetCommentCount: the counters,
// kept from throwing across the module boundary.

#include "QLShared.h"

#include "CountedFileCache.h"
#include "LineCounter.h"

#include <exception>

namespace
{

CCountedFileCache g_lastFile;

bool ReadCounted(const std::string& path, std::string& bytes)
{
    return g_lastFile.Read(path, bytes);
}

} // namespace

// An exception must not cross the module boundary: each side carries its own
// runtime. A file that cannot be read into memory counts as one that cannot
// be opened.

int GetLineCount(const std::string& directory, const std::string& fileName)
{
    try
    {
        return CLineCounter::LineCountOf(directory, fileName, ReadCounted);
    }
    catch (const std::exception&)
    {
        return 0;
    }
}

int GetCommentCount(const std::string& directory, const std::string& fileName)
{
    try
    {
        return CLineCounter::CommentCountOf(directory, fileName, ReadCounted);
    }
    catch (const std::exception&)
    {
        return 0;
    }
}
