#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Line and comment counts of one source file, named as a project file names
// it: the project's directory (ending in a backslash) and the file's name,
// possibly a relative path. Results: -1 when the extension is not one the
// count applies to (the file is not touched), 0 when the file cannot be read
// or is empty, otherwise the count. The counted text ends at the first NUL.
class CLineCounter
{
public:
    static int GetLineCount(const std::string& directory, const std::string& fileName);
    static int GetCommentCount(const std::string& directory, const std::string& fileName);

    // The same counts, reading the file through read: the whole file at path
    // into bytes, false when it cannot be read.
    using FileReader = std::function<bool(const std::string& path, std::string& bytes)>;
    static int LineCountOf(const std::string& directory, const std::string& fileName, const FileReader& read);
    static int CommentCountOf(const std::string& directory, const std::string& fileName, const FileReader& read);
    static bool ReadFromDisk(const std::string& path, std::string& bytes);

    // The counts over text already in memory; the text ends at size or at
    // its first NUL, whichever comes first.
    static int CountLines(const char* text, std::size_t size);
    static int CountComments(const char* text, std::size_t size);

    static bool IsLineCounted(const std::string& lowerExtension);
    static bool IsCommentCounted(const std::string& lowerExtension);
};
