// The library's exports GetLineCount and GetCommentCount: the counters,
// kept from throwing across the module boundary.

#include "QLShared.h"

#include "LineCounter.h"

#include <exception>

// An exception must not cross the module boundary: each side carries its own
// runtime. A file that cannot be read into memory counts as one that cannot
// be opened.

int GetLineCount(const std::string& directory, const std::string& fileName)
{
    try
    {
        return CLineCounter::GetLineCount(directory, fileName);
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
        return CLineCounter::GetCommentCount(directory, fileName);
    }
    catch (const std::exception&)
    {
        return 0;
    }
}
