// MSBuild item patterns: escapes decoded, wildcards expanded below a project, names matched as Windows does.
#include "MsBuildWildcard.h"

#include "FileNameCase.h"
#include "FileUtil.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace
{

const std::string AnyFolders = "**";

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The escaped character at text[at] ("%XX"), or -1.
int EscapedAt(const std::string& text, std::size_t at)
{
    if (text[at] != '%' || at + 2 >= text.size())
        return -1;
    const int high = HexValue(text[at + 1]);
    const int low = HexValue(text[at + 2]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Whether name matches one part of a pattern, still escaped; case-blind.
bool PartMatches(const std::string& pattern, std::size_t p, const std::string& name, std::size_t n)
{
    while (p < pattern.size())
    {
        if (pattern[p] == '*')
        {
            for (std::size_t rest = n; rest <= name.size(); ++rest)
            {
                if (PartMatches(pattern, p + 1, name, rest))
                    return true;
            }
            return false;
        }
        if (n == name.size())
            return false;
        const int escaped = EscapedAt(pattern, p);
        if (pattern[p] == '?')
            ++p;
        else if (escaped >= 0 ? Lower(static_cast<char>(escaped)) != Lower(name[n])
                              : Lower(pattern[p]) != Lower(name[n]))
            return false;
        else
            p += escaped >= 0 ? 3 : 1;
        ++n;
    }
    return n == name.size();
}

// The parts of a path, "." parts dropped and "folder\.." folded.
std::vector<std::string> Parts(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size())
    {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part == ".." && !parts.empty() && parts.back() != ".." && !HasMsBuildWildcard(parts.back()))
            parts.pop_back();
        else if (!part.empty() && part != ".")
            parts.push_back(part);
        start = end + 1;
    }
    return parts;
}

bool PartsMatch(const std::vector<std::string>& pattern, std::size_t p, const std::vector<std::string>& name,
                std::size_t n)
{
    if (p == pattern.size())
        return n == name.size();
    if (pattern[p] == AnyFolders)
    {
        for (std::size_t rest = n; rest <= name.size(); ++rest)
        {
            if (PartsMatch(pattern, p + 1, name, rest))
                return true;
        }
        return false;
    }
    return n < name.size() && PartMatches(pattern[p], 0, name[n], 0) && PartsMatch(pattern, p + 1, name, n + 1);
}

// Adds the files below folder that the parts from p on match.
void Expand(const fs::path& folder, const std::string& prefix, const std::vector<std::string>& parts, std::size_t p,
            std::vector<std::string>& found)
{
    const std::string& part = parts[p];
    const bool last = p + 1 == parts.size();
    if (part == AnyFolders)
        Expand(folder, prefix, parts, p + 1, found);
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    {
        const std::string name = it->path().filename().string();
        // An entry that cannot be looked at (a broken link) is passed over.
        std::error_code entryError;
        // Links to folders are not followed: a loop would never end.
        const bool isFolder = it->is_directory(entryError) && !it->is_symlink(entryError);
        if (part == AnyFolders)
        {
            if (isFolder)
                Expand(it->path(), prefix + name + "\\", parts, p, found);
        }
        else if (PartMatches(part, 0, name, 0))
        {
            if (last && it->is_regular_file(entryError))
                found.push_back(prefix + name);
            else if (!last && isFolder)
                Expand(it->path(), prefix + name + "\\", parts, p + 1, found);
        }
    }
}

} // namespace

std::string MsBuildUnescape(const std::string& pattern)
{
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at)
    {
        const int escaped = EscapedAt(pattern, at);
        text += escaped >= 0 ? static_cast<char>(escaped) : pattern[at];
        if (escaped >= 0)
            at += 2;
    }
    return text;
}

bool HasMsBuildWildcard(const std::string& pattern)
{
    return pattern.find_first_of("*?") != std::string::npos;
}

std::optional<std::vector<std::string>> ExpandMsBuildWildcard(const std::string& pattern,
                                                              const std::string& projectDirectory)
{
    // The leading parts without a wildcard name the folder to search.
    const std::size_t wildcard = pattern.find_first_of("*?");
    const std::size_t separator = pattern.find_last_of("\\/", wildcard);
    const std::string fixed = separator == std::string::npos ? std::string() : pattern.substr(0, separator + 1);
    std::vector<std::string> parts = Parts(pattern.substr(fixed.size()));
    if (parts.empty())
        return std::vector<std::string>();
    // "src\**" stands for every file below src.
    if (parts.back() == AnyFolders)
        parts.push_back("*");

    const std::string prefix = MsBuildUnescape(fixed);
    const fs::path folder = fs::path(ResolveFileNameCase(NativePath(projectDirectory + prefix))).lexically_normal();
    if (folder.has_root_path() && folder.relative_path().empty() &&
        std::find(parts.begin(), parts.end(), AnyFolders) != parts.end())
        return std::nullopt;
    std::vector<std::string> found;
    Expand(folder.empty() ? fs::path(".") : folder, prefix, parts, 0, found);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

bool MsBuildPatternMatches(const std::string& pattern, const std::string& itemName)
{
    if (!HasMsBuildWildcard(pattern))
    {
        const std::vector<std::string> patternParts = Parts(MsBuildUnescape(pattern));
        const std::vector<std::string> nameParts = Parts(itemName);
        return patternParts.size() == nameParts.size() &&
               std::equal(patternParts.begin(), patternParts.end(), nameParts.begin(), EqualIgnoringCase);
    }
    return PartsMatch(Parts(pattern), 0, Parts(itemName), 0);
}
