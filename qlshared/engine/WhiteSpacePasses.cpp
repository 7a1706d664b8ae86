// The passes blind to code structure: tabs to spaces, spaces to tabs, and trailing white space trimmed.
#include "WhiteSpacePasses.h"

#include "LineScanner.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace
{

// Gives each line what replacing the first occurrence of search, again and
// again until none is left, would give: the replacement never contains the
// search string, so each round replaces the next occurrence to the right.
// One pass per line instead of one pass over the whole text per occurrence.
void ReplaceAllInEachLine(CLineArray& lines, const std::string& search, const std::string& replacement)
{
    std::string replaced;
    for (std::size_t i = 0; i < lines.Size(); ++i)
    {
        const std::string_view line = lines[i];
        std::size_t at = line.find(search);
        if (at == std::string_view::npos)
            continue;
        replaced.clear();
        std::size_t from = 0;
        for (; at != std::string_view::npos; at = line.find(search, from))
        {
            replaced.append(line.substr(from, at - from));
            replaced += replacement;
            from = at + search.size();
        }
        replaced.append(line.substr(from));
        lines.Set(i, replaced);
    }
}

} // namespace

void ConvertTabsToSpaces(CLineArray& lines, int tabSize)
{
    ReplaceAllInEachLine(lines, "\t", std::string(static_cast<std::size_t>(std::max(tabSize, 0)), ' '));
}

void ConvertSpacesToTabs(CLineArray& lines, int tabSize)
{
    if (tabSize <= 0)
        return;
    ReplaceAllInEachLine(lines, std::string(static_cast<std::size_t>(tabSize), ' '), "\t");
}

void TrimLines(CLineArray& lines)
{
    for (std::size_t i = lines.FirstChangeable(); i < lines.Size(); ++i)
        lines.Truncate(i, TrimmedLength(lines[i]));
}
