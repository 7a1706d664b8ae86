#include "ProjectReader.h"

#include "FileNameCase.h"
#include "FileUtil.h"
#include "PathParts.h"

#include <algorithm>
#include <cstring>

namespace
{

const char ProjectMarker[] = "\nProject: ";
const char SourceFileMarker[] = "# Begin Source File";
const char SourceKey[] = "SOURCE=";

// The marker and the first character of its line end.
const std::size_t SourceFileMarkerSkip = sizeof(SourceFileMarker) - 1 + 1;

// Reads a workspace or project file; the text ends at its first NUL.
bool ReadText(const std::string& path, std::string& text, std::string& error)
{
    const std::string nativePath = ResolveFileNameCase(NativePath(path));
    std::string cause;
    if (!ReadWholeFile(nativePath, text, cause))
    {
        error = nativePath + ": " + cause;
        return false;
    }
    if (const void* nul = std::memchr(text.data(), '\0', text.size()))
        text.resize(static_cast<const char*>(nul) - text.data());
    return true;
}

} // namespace

CProjectReader::CProjectReader(MetricsTable& table, Flavour flavour, SourceCounters counters, StatusCallback status)
    : m_table(table), m_flavour(flavour), m_counters(std::move(counters)), m_status(std::move(status))
{
}

void CProjectReader::Report(const std::string& text) const
{
    if (m_status)
        m_status(text);
}

bool CProjectReader::ReadWorkspace(const std::string& workspacePath, std::string& error)
{
    std::string text;
    if (!ReadText(workspacePath, text, error))
    {
        error = "cannot read workspace file " + error;
        return false;
    }
    m_workspaceDirectory = DirectoryPart(workspacePath);

    std::size_t pos = 0;
    for (;;)
    {
        const std::size_t project = text.find(ProjectMarker, pos);
        if (project == std::string::npos)
            break;
        const std::size_t equals = text.find('=', project);
        if (equals == std::string::npos)
            break;
        pos = equals + 1;

        std::size_t end;
        if (pos < text.size() && text[pos] == '"')
        {
            ++pos;
            end = text.find('"', pos);
        }
        else
        {
            end = text.find(' ', pos);
        }
        // Without its terminator the entry names no project file; reading the
        // empty value would fail naming nothing.
        if (end == std::string::npos)
        {
            m_table.Clear();
            error = "cannot read workspace file " + NativePath(workspacePath) +
                    ": a Project entry has no closing quote or space after its project file";
            return false;
        }
        const std::string value = text.substr(pos, end - pos);

        if (!AddProject(value, error))
        {
            // A load that fails leaves nothing half-read behind.
            m_table.Clear();
            return false;
        }
    }
    return true;
}

bool CProjectReader::AddProject(const std::string& projectPath, std::string& error)
{
    const bool standalone = m_flavour == Flavour::Standalone;
    const std::string name = standalone ? projectPath : FileNamePart(projectPath);
    Report("Adding project: " + FileNamePart(projectPath));
    const std::size_t row = m_table.Append(RowKind::Project, name, 0, 0, standalone ? std::string() : projectPath);

    const std::string projectFile = standalone ? m_workspaceDirectory + projectPath : projectPath;
    if (!ReadProjectSources(projectFile, error))
    {
        if (!standalone)
            m_failures.push_back(error);
        return false;
    }

    m_table.AddUpTotals(row);
    return true;
}

bool CProjectReader::ReadProjectSources(const std::string& projectFilePath, std::string& error)
{
    std::string text;
    if (!ReadText(projectFilePath, text, error))
    {
        error = "cannot read project file " + error;
        return false;
    }
    const std::string projectDirectory = DirectoryPart(projectFilePath);
    const std::string directory = m_flavour == Flavour::AddIn ? projectDirectory : std::string();

    std::size_t pos = 0;
    // Markers without their own SOURCE= all find the same one further on:
    // it is searched for once, not once per marker.
    std::size_t key = 0;
    bool keySearched = false;
    for (;;)
    {
        const std::size_t marker = text.find(SourceFileMarker, pos);
        if (marker == std::string::npos)
            break;
        pos = std::min(marker + SourceFileMarkerSkip, text.size());
        if (!keySearched || key < pos)
        {
            key = text.find(SourceKey, pos);
            keySearched = true;
        }
        if (key == std::string::npos)
            break;

        const std::size_t start = key + sizeof(SourceKey) - 1;
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        // Only a carriage return is dropped: LF-only files keep every character.
        if (end > start && text[end - 1] == '\r')
            --end;
        const std::string value = text.substr(start, end - start);

        Report("Adding file: " + value);
        const std::string file = SourceFilePath(value);
        m_table.Append(RowKind::SourceFile, value, m_counters.lines(projectDirectory, file),
                       m_counters.comments(projectDirectory, file), directory);
    }
    return true;
}
