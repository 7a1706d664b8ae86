// Matching of --exclude patterns against paths, "**" included, in time linear in the path.
#include "GlobPattern.h"

namespace
{

const char kAnyFolders[] = "**";

// The parts between separators, without empty and "." parts.
std::vector<std::string> PathParts(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = 0; i <= path.size(); ++i)
    {
        if (i < path.size() && path[i] != '/' && path[i] != '\\')
        {
            part += path[i];
            continue;
        }
        if (!part.empty() && part != ".")
            parts.push_back(part);
        part.clear();
    }
    return parts;
}

} // namespace

CGlobPattern::CGlobPattern(const std::string& pattern)
    : m_parts(PathParts(pattern)), m_anyPart(pattern.find_first_of("/\\") == std::string::npos)
{
}

bool CGlobPattern::Matches(const std::string& path) const
{
    const std::vector<std::string> parts = PathParts(path);
    if (!m_anyPart)
        return PartsMatch(0, parts, 0);
    for (const std::string& part : parts)
    {
        if (!m_parts.empty() && PartMatches(m_parts[0].c_str(), part.c_str()))
            return true;
    }
    return false;
}

bool CGlobPattern::PartsMatch(std::size_t pattern, const std::vector<std::string>& parts, std::size_t part) const
{
    if (pattern == m_parts.size())
        return part == parts.size();
    if (m_parts[pattern] == kAnyFolders)
    {
        // Adjacent "**" parts match what one does; skipping them keeps this
        // linear in the path for each one.
        while (pattern + 1 < m_parts.size() && m_parts[pattern + 1] == kAnyFolders)
            ++pattern;
        for (std::size_t skipped = part; skipped <= parts.size(); ++skipped)
        {
            if (PartsMatch(pattern + 1, parts, skipped))
                return true;
        }
        return false;
    }
    return part < parts.size() && PartMatches(m_parts[pattern].c_str(), parts[part].c_str()) &&
           PartsMatch(pattern + 1, parts, part + 1);
}

// Backtracks to the last '*' only, which keeps a name's match linear.
bool CGlobPattern::PartMatches(const char* pattern, const char* text)
{
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*text)
    {
        if (*pattern == '*')
        {
            star = pattern++;
            resume = text;
        }
        else if (*pattern == '?' || *pattern == *text)
        {
            ++pattern;
            ++text;
        }
        else if (star)
        {
            pattern = star + 1;
            text = ++resume;
        }
        else
        {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == '\0';
}
