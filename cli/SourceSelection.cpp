// The files a command works on: FILEs, folders walked for taken extensions, --files-from, less --exclude.
#include "SourceSelection.h"

#include "FileNameCase.h"
#include "FileUtil.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <istream>

namespace fs = std::filesystem;

namespace
{

const char kStandardInput[] = "-";

// The text of path with '/' between its parts, as names are shown.
std::string Generic(const fs::path& path)
{
    return path.generic_string();
}

// folder joined with a path below it; "." adds nothing.
std::string Joined(const std::string& folder, const std::string& relative)
{
    if (folder == "." || folder == "./")
        return relative;
    const char last = folder.empty() ? '/' : folder.back();
    return folder + (last == '/' || last == '\\' ? "" : "/") + relative;
}

bool IsHidden(const fs::path& name)
{
    const std::string text = name.string();
    return text.size() > 1 && text[0] == '.' && text != "..";
}

} // namespace

CSourceSelection::CSourceSelection(std::vector<std::string> defaultExtensions)
    : m_extensions(std::move(defaultExtensions))
{
}

std::vector<CliOption> CSourceSelection::Options()
{
    return {{"--extensions", CliValue::Repeatable},
            {"--exclude", CliValue::Repeatable},
            {"--files-from", CliValue::Single}};
}

const char* CSourceSelection::HelpText()
{
    return "  --extensions LIST  also take these extensions from folders (comma-separated,\n"
           "                     case-blind: hpp,cxx,cc)\n"
           "  --exclude PATTERN  leave out files and folders that match (repeatable). '*'\n"
           "                     and '?' stay within a name, a '**' part spans folders; a\n"
           "                     pattern without '/' matches any one name in the path\n"
           "                     ('third_party', '*.gen.cpp'), one with '/' the whole path\n"
           "                     as shown or below the folder given ('src/**/gen/*')\n"
           "  --files-from FILE  also take the files and folders listed in FILE, one a\n"
           "                     line ('-': standard input)\n"
           "A folder stands for the files below it with those extensions; hidden folders\n"
           "(a name starting with '.') and linked folders are left out, and each folder's\n"
           "files are taken sorted by path. A FILE named outright is taken whatever its\n"
           "extension, unless excluded.\n";
}

bool CSourceSelection::Take(const CliArgument& argument, std::string& error)
{
    const std::string& value = argument.value;
    if (argument.IsOperand())
    {
        m_operands.push_back(value);
    }
    else if (argument.Is("--extensions"))
    {
        std::size_t start = 0;
        while (start <= value.size())
        {
            std::size_t end = value.find(',', start);
            if (end == std::string::npos)
                end = value.size();
            std::string extension = value.substr(start, end - start);
            extension.erase(0, extension.find_first_not_of('.'));
            if (extension.empty() || extension.find_first_of("/\\") != std::string::npos)
            {
                error = "bad extension list '" + value + "' for --extensions";
                return false;
            }
            m_extensions.push_back(LowerExtension("." + extension));
            start = end + 1;
        }
    }
    else if (argument.Is("--exclude"))
    {
        m_excludes.emplace_back(value);
    }
    else if (argument.Is("--files-from"))
    {
        m_filesFrom = value;
    }
    else
    {
        return false;
    }
    return true;
}

bool CSourceSelection::Collect(std::istream& in, std::vector<std::string>& files,
                               std::vector<std::string>& problems) const
{
    for (const std::string& operand : m_operands)
        AddOperand(operand, files, problems);
    if (!m_filesFrom)
        return true;

    std::ifstream listFile;
    std::istream* list = &in;
    if (*m_filesFrom != kStandardInput)
    {
        listFile.open(NativePath(*m_filesFrom), std::ios::binary);
        if (!listFile)
        {
            problems.push_back(*m_filesFrom + ": cannot read the list of files");
            return false;
        }
        list = &listFile;
    }
    for (std::string line; std::getline(*list, line);)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            AddOperand(line, files, problems);
    }
    return true;
}

void CSourceSelection::AddOperand(const std::string& operand, std::vector<std::string>& files,
                                  std::vector<std::string>& problems) const
{
    if (IsExcluded(operand))
        return;
    std::error_code error;
    if (fs::is_directory(fs::path(NativePath(operand)), error))
        Walk(operand, files, problems);
    else
        files.push_back(operand);
}

void CSourceSelection::Walk(const std::string& folder, std::vector<std::string>& files,
                            std::vector<std::string>& problems) const
{
    const fs::path root(NativePath(folder));
    std::vector<std::string> found;
    std::vector<fs::path> pending{fs::path()};
    while (!pending.empty())
    {
        const fs::path relative = pending.back();
        pending.pop_back();
        std::error_code error;
        fs::directory_iterator entries(root / relative, error);
        for (; !error && entries != fs::directory_iterator(); entries.increment(error))
        {
            const fs::directory_entry& entry = *entries;
            const fs::path name = entry.path().filename();
            const std::string path = Generic(relative / name);
            std::error_code ignored;
            const bool excluded = IsExcluded(path) || IsExcluded(Joined(folder, path));
            // A linked folder is neither walked, which could loop, nor a file.
            if (entry.is_directory(ignored))
            {
                if (!entry.is_symlink(ignored) && !IsHidden(name) && !excluded)
                    pending.push_back(relative / name);
            }
            else if (HasTakenExtension(name.string()) && !excluded)
            {
                found.push_back(path);
            }
        }
        if (error)
        {
            const std::string shown = relative.empty() ? folder : Joined(folder, Generic(relative));
            problems.push_back(shown + ": cannot read the folder: " + error.message());
        }
    }
    std::sort(found.begin(), found.end());
    for (const std::string& path : found)
        files.push_back(Joined(folder, path));
}

bool CSourceSelection::IsExcluded(const std::string& path) const
{
    return std::any_of(m_excludes.begin(), m_excludes.end(),
                       [&](const CGlobPattern& pattern) { return pattern.Matches(path); });
}

bool CSourceSelection::HasTakenExtension(const std::string& name) const
{
    return name.find('.') != std::string::npos &&
           std::find(m_extensions.begin(), m_extensions.end(), LowerExtension(name)) != m_extensions.end();
}
