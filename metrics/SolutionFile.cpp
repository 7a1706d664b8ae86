// The C++ projects a Visual Studio solution names in its Project lines.
#include "SolutionFile.h"

#include "FileNameCase.h"
#include "NativeText.h"

namespace
{

const char Utf8ByteOrderMark[] = "\xEF\xBB\xBF";
const char ProjectLine[] = "Project(";

// The project kinds that are read, by their files' extensions.
bool IsCppProject(const std::string& path)
{
    const std::string extension = LowerExtension(path);
    return extension == "vcxproj" || extension == "vcproj";
}

// The quoted strings after the line's "=": name, path, identifier. False when
// a quote is left open.
bool QuotedValues(const std::string& line, std::vector<std::string>& values)
{
    std::size_t at = line.find('=');
    if (at == std::string::npos)
        return false;
    while ((at = line.find('"', at + 1)) != std::string::npos)
    {
        const std::size_t end = line.find('"', at + 1);
        if (end == std::string::npos)
            return false;
        values.push_back(line.substr(at + 1, end - at - 1));
        at = end;
    }
    return true;
}

} // namespace

bool ReadSolutionProjects(const std::string& text, std::vector<std::string>& projects, std::string& cause)
{
    projects.clear();
    const bool utf8 = text.compare(0, sizeof Utf8ByteOrderMark - 1, Utf8ByteOrderMark) == 0;
    std::size_t start = utf8 ? sizeof Utf8ByteOrderMark - 1 : 0;
    for (std::size_t number = 1; start < text.size(); ++number)
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line.compare(first, sizeof ProjectLine - 1, ProjectLine) != 0)
            continue;
        // Past the type's parentheses, which hold quotes of their own.
        const std::size_t close = line.find(')', first);
        std::vector<std::string> values;
        if (close == std::string::npos || !QuotedValues(line.substr(close), values) || values.size() < 2)
        {
            projects.clear();
            cause = "line " + std::to_string(number) + ": a Project line without its quoted name and path";
            return false;
        }
        if (IsCppProject(values[1]))
            projects.push_back(utf8 ? NativeFromUtf8(values[1]) : values[1]);
    }
    return true;
}
