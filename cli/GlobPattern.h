#pragma once

#include <string>
#include <vector>

// An --exclude pattern, matched against a path of '/'-separated folders.
// "*" matches any run of characters within one folder or file name, "?" one
// character, and a "**" part any number of whole folders, none included. A
// pattern without '/' matches any one part of the path ("build", "*.gen.c"); one
// with '/' matches the whole path ("src/**/gen", "third_party/**").
class CGlobPattern
{
public:
    explicit CGlobPattern(const std::string& pattern);

    // path uses '/' or '\' between its parts; a leading "./" is ignored.
    bool Matches(const std::string& path) const;

private:
    static bool PartMatches(const char* pattern, const char* text);
    bool PartsMatch(std::size_t pattern, const std::vector<std::string>& parts, std::size_t part) const;

    std::vector<std::string> m_parts;
    bool m_anyPart; // no '/' in the pattern
};
