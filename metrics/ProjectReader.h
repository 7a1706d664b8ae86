#pragma once

#include "FrontEnd.h"
#include "MetricsTable.h"

#include <functional>
#include <string>
#include <vector>

// How the reader counts a source file, given its project's folder and its
// name as the project file writes it: the Windows front ends pass QLShared's
// GetLineCount and GetCommentCount, the command line the portable counters.
struct SourceCounters
{
    using Count = std::function<int(const std::string& directory, const std::string& fileName)>;
    // Told of each source entry that is listed without being counted (one
    // that names no file we can find).
    using Uncounted = std::function<void(const std::string& fileName)>;

    SourceCounters(Count lineCount, Count commentCount, Uncounted uncountedEntry = nullptr)
        : lines(std::move(lineCount)), comments(std::move(commentCount)), uncounted(std::move(uncountedEntry))
    {
    }

    Count lines;
    Count comments;
    Uncounted uncounted; // may be empty

    // For a run that needs the sources' names only, as a batch does: no
    // file is read, every count is 0.
    static SourceCounters None()
    {
        const Count zero = [](const std::string&, const std::string&) { return 0; };
        return {zero, zero};
    }
};

// Fills a MetricsTable from Developer Studio files: a workspace (.dsw) names
// projects, a project file (.dsp) names sources in "# Begin Source File"
// blocks. The files are scanned as text for those markers only.
// Visual Studio files too, read for what they mean: a solution (.sln) names
// projects in its Project lines, and an XML project file (.vcxproj, .vcproj)
// names its sources in items or File elements (MsBuildProject.h). Which kind
// a file is, its extension says.
//
// Standalone front end: project rows are named by the path as the workspace
// writes it, read relative to the workspace's folder; a project file that
// cannot be read fails the whole load.
// Add-in front end: AddProject gets the host's full project path; the row is
// named by its file-name part and keeps the path in directories. A project
// file that cannot be read leaves its row with totals 0, is recorded in
// Failures(), and the load goes on.
class CProjectReader
{
public:
    // Receives the loading texts "Adding project: ..." and "Adding file: ...".
    using StatusCallback = std::function<void(const std::string&)>;

    CProjectReader(MetricsTable& table, FrontEnd frontEnd, SourceCounters counters, StatusCallback status = nullptr);

    // Standalone: reads the workspace or solution and every project it names.
    // On failure the table is left empty and error names the file and the
    // cause.
    bool ReadWorkspace(const std::string& workspacePath, std::string& error);

    // Appends the project's row and its sources, then its totals. False when
    // the project file cannot be read (error names it).
    bool AddProject(const std::string& projectPath, std::string& error);

    // The workspace or solution file's folder, up to and including its last
    // separator.
    const std::string& WorkspaceDirectory() const { return m_workspaceDirectory; }

    // Add-in front end: "file: cause" for each project file that could not be read.
    const std::vector<std::string>& Failures() const { return m_failures; }

    // The counts of a source entry that names no file we can find.
    static constexpr int NotCountable = -1;

private:
    bool ReadSolution(const std::string& solutionPath, std::string& error);
    bool ReadProjectSources(const std::string& projectFilePath, std::string& error);
    bool ReadXmlProjectSources(const std::string& projectFilePath, std::string& error);
    void Report(const std::string& text) const;

    MetricsTable& m_table;
    FrontEnd m_frontEnd;
    SourceCounters m_counters;
    StatusCallback m_status;
    std::string m_workspaceDirectory;
    std::vector<std::string> m_failures;
};
