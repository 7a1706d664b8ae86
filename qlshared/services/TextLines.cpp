// The first line a reformat changes, for the "FILE:LINE: would reformat" reports of checking runs.
#include "TextLines.h"

#include <algorithm>

std::size_t FirstChangedLine(const std::string& oldText, const std::string& newText)
{
    const std::size_t common =
        std::mismatch(oldText.begin(), oldText.end(), newText.begin(), newText.end()).first - oldText.begin();
    const std::size_t line = std::count(oldText.begin(), oldText.begin() + common, '\n') + 1;
    const std::size_t lines =
        std::count(oldText.begin(), oldText.end(), '\n') + (oldText.empty() || oldText.back() == '\n' ? 0 : 1);
    return std::min(line, std::max<std::size_t>(lines, 1));
}
