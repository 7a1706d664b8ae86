// Fills the metrics table from a workspace or solution and its projects, counting each source as it is listed.
#include "ProjectReader.h"

#include "FileNameCase.h"
#include "FileUtil.h"
#include "MsBuildProject.h"
#include "PathParts.h"
#include "SolutionFile.h"

#include <algorithm>
#include <cstring>

namespace
{

const char ProjectMarker[] = "\nProject: ";
const char SourceFileMarker[] = "# Begin Source File";
const char SourceKey[] = "SOURCE=";

// The marker and the first character of its line end.
const std::size_t SourceFileMarkerSkip = sizeof(SourceFileMarker) - 1 + 1;

// Every failure to read a workspace, solution or project file says so in
// these words.
std::string ReadError(const char* kind, const std::string& nativePath, const std::string& cause)
{
    return std::string("cannot read ") + kind + " file " + nativePath + ": " + cause;
}

// Reads a file's every byte; kind names the file in the error.
bool ReadBytes(const char* kind, const std::string& path, std::string& bytes, std::string& error)
{
    const std::string nativePath = ResolveFileNameCase(NativePath(path));
    std::string cause;
    if (!ReadWholeFile(nativePath, bytes, cause))
    {
        error = ReadError(kind, nativePath, cause);
        return false;
    }
    return true;
}

// Reads a workspace or project file; the text ends at its first NUL.
bool ReadText(const char* kind, const std::string& path, std::string& text, std::string& error)
{
    if (!ReadBytes(kind, path, text, error))
        return false;
    if (const void* nul = std::memchr(text.data(), '\0', text.size()))
        text.resize(static_cast<const char*>(nul) - text.data());
    return true;
}

// The kinds of file read, by their extensions; anything else is read as a
// Developer Studio file, as it always was.
bool IsSolution(const std::string& path)
{
    return LowerExtension(FileNamePart(path)) == "sln";
}

enum class ProjectFormat
{
    DeveloperStudio, // .dsp: "# Begin Source File" blocks
    MsBuild,         // .vcxproj
    VcProject        // .vcproj
};

ProjectFormat FormatOf(const std::string& projectFilePath)
{
    const std::string extension = LowerExtension(FileNamePart(projectFilePath));
    if (extension == "vcxproj")
        return ProjectFormat::MsBuild;
    return extension == "vcproj" ? ProjectFormat::VcProject : ProjectFormat::DeveloperStudio;
}

} // namespace

CProjectReader::CProjectReader(MetricsTable& table, FrontEnd frontEnd, SourceCounters counters, StatusCallback status)
    : m_table(table), m_frontEnd(frontEnd), m_counters(std::move(counters)), m_status(std::move(status))
{
}

void CProjectReader::Report(const std::string& text) const
{
    if (m_status)
        m_status(text);
}

bool CProjectReader::ReadWorkspace(const std::string& workspacePath, std::string& error)
{
    if (IsSolution(workspacePath))
        return ReadSolution(workspacePath, error);
    std::string text;
    if (!ReadText("workspace", workspacePath, text, error))
        return false;
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
            error = ReadError("workspace", NativePath(workspacePath),
                              "a Project entry has no closing quote or space after its project file");
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

bool CProjectReader::ReadSolution(const std::string& solutionPath, std::string& error)
{
    std::string text;
    std::vector<std::string> projects;
    std::string cause;
    if (!ReadBytes("solution", solutionPath, text, error))
        return false;
    if (!ReadSolutionProjects(text, projects, cause))
    {
        error = ReadError("solution", NativePath(solutionPath), cause);
        return false;
    }
    m_workspaceDirectory = DirectoryPart(solutionPath);
    for (const std::string& project : projects)
    {
        if (!AddProject(project, error))
        {
            m_table.Clear();
            return false;
        }
    }
    return true;
}

bool CProjectReader::AddProject(const std::string& projectPath, std::string& error)
{
    const bool standalone = m_frontEnd == FrontEnd::Standalone;
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
    if (FormatOf(projectFilePath) != ProjectFormat::DeveloperStudio)
        return ReadXmlProjectSources(projectFilePath, error);
    std::string text;
    if (!ReadText("project", projectFilePath, text, error))
        return false;
    const std::string projectDirectory = DirectoryPart(projectFilePath);
    const std::string directory = m_frontEnd == FrontEnd::AddIn ? projectDirectory : std::string();

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

bool CProjectReader::ReadXmlProjectSources(const std::string& projectFilePath, std::string& error)
{
    std::string bytes;
    std::vector<XmlElement> elements;
    std::string cause;
    if (!ReadBytes("project", projectFilePath, bytes, error))
        return false;
    if (!ReadXmlElements(bytes, elements, cause))
    {
        error = ReadError("project", NativePath(projectFilePath), cause);
        return false;
    }
    const std::string projectDirectory = DirectoryPart(projectFilePath);
    const std::string directory = m_frontEnd == FrontEnd::AddIn ? projectDirectory : std::string();
    const std::vector<ProjectSourceEntry> entries = FormatOf(projectFilePath) == ProjectFormat::MsBuild
                                                        ? MsBuildSourceItems(elements, projectDirectory)
                                                        : VcProjectFiles(elements);
    for (const ProjectSourceEntry& entry : entries)
    {
        Report("Adding file: " + entry.name);
        if (!entry.countable && m_counters.uncounted)
            m_counters.uncounted(entry.name);
        const int lines = entry.countable ? m_counters.lines(projectDirectory, entry.name) : NotCountable;
        const int comments = entry.countable ? m_counters.comments(projectDirectory, entry.name) : NotCountable;
        m_table.Append(RowKind::SourceFile, entry.name, lines, comments, directory);
    }
    return true;
}
