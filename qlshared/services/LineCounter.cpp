// The line and comment counts behind the metrics: which extensions count, and the counting passes over a file's text.
#include "LineCounter.h"

#include "FileNameCase.h"
#include "FileUtil.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace
{

const char* const LineCountedExtensions[] = {"def", "cpp", "inl", "c", "h", "rc", "odl", "idl", "rc2"};
const char* const CommentCountedExtensions[] = {"cpp", "inl", "c", "h", "rc", "odl", "idl", "rc2"};

template <std::size_t N> bool InTable(const char* const (&table)[N], const std::string& extension)
{
    return std::any_of(std::begin(table), std::end(table), [&](const char* entry) { return extension == entry; });
}

std::size_t TextLength(const char* text, std::size_t size)
{
    const void* nul = std::memchr(text, '\0', size);
    return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : size;
}

// Reads directory + fileName (joined as they are) into bytes and cuts them at
// the first NUL. False when the file cannot be read.
bool ReadCountedText(const std::string& directory, const std::string& fileName, std::string& bytes,
                     const CLineCounter::FileReader& read)
{
    if (!read(ResolveFileNameCase(NativePath(directory + fileName)), bytes))
        return false;
    bytes.resize(TextLength(bytes.data(), bytes.size()));
    return true;
}

// Line feeds in blocks small enough for a 32-bit tally, which the compiler
// turns into wide compares.
int LineFeeds(const char* text, std::size_t size)
{
    const std::size_t block = 1u << 16;
    std::size_t total = 0;
    for (std::size_t start = 0; start < size; start += block)
    {
        const std::size_t end = std::min(size, start + block);
        unsigned int tally = 0;
        for (std::size_t i = start; i < end; ++i)
            tally += text[i] == '\n';
        total += tally;
    }
    return static_cast<int>(total);
}

// One pass with two flags. A marker's second byte is examined again as the
// next position, so "/*/" closes at once and "*//" closes and opens a line
// comment. Literals are not recognised: markers inside quotes count.
int CommentLines(const char* text, std::size_t size)
{
    const char* const end = text + size;
    bool inLineComment = false;
    bool inBlockComment = false;
    int count = 0;
    const char* p = text;
    while (p < end)
    {
        if (inLineComment)
        {
            p = static_cast<const char*>(std::memchr(p, '\n', end - p));
            if (!p)
                break;
            inLineComment = false;
            ++p;
        }
        else if (inBlockComment)
        {
            const char c = *p;
            const char next = p + 1 < end ? p[1] : '\0';
            if (c == '\n')
                ++count;
            else if (c == '*' && next == '/')
                inBlockComment = false;
            ++p;
        }
        else
        {
            p = static_cast<const char*>(std::memchr(p, '/', end - p));
            if (!p)
                break;
            const char next = p + 1 < end ? p[1] : '\0';
            if (next == '/')
            {
                inLineComment = true;
                ++count;
            }
            else if (next == '*')
            {
                inBlockComment = true;
                ++count;
            }
            ++p;
        }
    }
    return count;
}

} // namespace

bool CLineCounter::IsLineCounted(const std::string& lowerExtension)
{
    return InTable(LineCountedExtensions, lowerExtension);
}

bool CLineCounter::IsCommentCounted(const std::string& lowerExtension)
{
    return InTable(CommentCountedExtensions, lowerExtension);
}

int CLineCounter::CountLines(const char* text, std::size_t size)
{
    return LineFeeds(text, TextLength(text, size));
}

int CLineCounter::CountComments(const char* text, std::size_t size)
{
    return CommentLines(text, TextLength(text, size));
}

bool CLineCounter::ReadFromDisk(const std::string& path, std::string& bytes)
{
    std::string error;
    return ReadWholeFile(path, bytes, error);
}

int CLineCounter::GetLineCount(const std::string& directory, const std::string& fileName)
{
    return LineCountOf(directory, fileName, ReadFromDisk);
}

int CLineCounter::GetCommentCount(const std::string& directory, const std::string& fileName)
{
    return CommentCountOf(directory, fileName, ReadFromDisk);
}

int CLineCounter::LineCountOf(const std::string& directory, const std::string& fileName, const FileReader& read)
{
    if (!IsLineCounted(LowerExtension(fileName)))
        return -1;
    std::string bytes;
    if (!ReadCountedText(directory, fileName, bytes, read))
        return 0;
    return LineFeeds(bytes.data(), bytes.size());
}

int CLineCounter::CommentCountOf(const std::string& directory, const std::string& fileName, const FileReader& read)
{
    if (!IsCommentCounted(LowerExtension(fileName)))
        return -1;
    std::string bytes;
    if (!ReadCountedText(directory, fileName, bytes, read))
        return 0;
    return CommentLines(bytes.data(), bytes.size());
}
