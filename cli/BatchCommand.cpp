// The batch command: its request, the items it selects and excludes, and a console progress in place of the dialog.
#include "BatchCommand.h"

#include "BatchFormatter.h"
#include "CliCommand.h"
#include "FileNameCase.h"
#include "FileUtil.h"
#include "FormattableExtensions.h"
#include "GlobPattern.h"
#include "JobCount.h"
#include "MetricsList.h"
#include "PathParts.h"
#include "ProjectReader.h"
#include "SettingsDiscovery.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <ostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

// quillet-cli batch: reformats in place the sources of a workspace's
// projects, or of the projects and files named, as the program's batch does.

namespace
{

void WriteHelp(std::ostream& out)
{
    out << "Usage: " << kCliName << " batch WORKSPACE.dsw|SOLUTION.sln --command NAME [--project NAME]...\n"
        << "                   [--file NAME]... [--exclude PATTERN]... [--check] [--settings FILE]\n"
        << "                   [--jobs N] [--within DIR]\n"
        << "\n"
        << "Reformats in place the C and C++ sources (.cpp, .inl, .c, .h) of the projects of\n"
        << "a Developer Studio workspace or a Visual Studio solution: all of them, or the\n"
        << "projects and files named. A project is named as the workspace or solution\n"
        << "writes it, by its file name, or by that name without extension; a file as its\n"
        << "project writes it or by its file name. Names ignore case.\n"
        << "  --command NAME   " << FormatCommandSetList() << "\n"
        << "  --exclude PATTERN  leave out the files that match (repeatable), as named\n"
        << "                   below the workspace's folder ('calc\\*.c', 'third_party',\n"
        << "                   'src/**/gen/*'): '*' and '?' stay within a name, a '**' part\n"
        << "                   spans folders; a pattern without '/' matches any one name\n"
        << "  --check          write nothing; name the first changed line of each file\n"
        << "                   that would change (FILE:LINE: would reformat)\n"
        << "  --settings FILE  stored options to start from (REGEDIT4 text); without it, a\n"
        << "                   .quillet.reg in the workspace's folder or the nearest folder\n"
        << "                   above it, or else the user's own settings\n"
        << "  --jobs N         read and format N files at once (default: one per processor);\n"
        << "                   files are written and reported in the same order for any N\n"
        << "  --within DIR     rewrite only files whose real path (links and '..' resolved)\n"
        << "                   lies below DIR; each other one is skipped and named (with\n"
        << "                   --check, listed as 'outside DIR: FILE')\n"
        << "Files that cannot be written are reported and the run goes on.\n"
        << "Exit status: 0 success, 1 changes found by --check, 2 usage error or a failed file.\n";
}

// What batch was asked to do.
struct BatchRequest
{
    bool help = false;
    std::string workspace;
    FormatOptionsSource source;        // --settings and --command
    std::vector<std::string> projects; // --project NAME, in order
    std::vector<std::string> files;    // --file NAME, in order
    std::vector<CGlobPattern> excludes;
    bool check = false;
    CJobCount jobs;
    std::string within; // --within DIR, as given
};

// On a usage error returns false with a message naming the bad argument.
bool ParseBatchRequest(const std::vector<std::string>& args, BatchRequest& request, std::string& error)
{
    CCliArguments arguments(args,
                            {{"--check"},
                             {"--command", CliValue::Single},
                             {"--settings", CliValue::Single},
                             {"--project", CliValue::Repeatable},
                             {"--file", CliValue::Repeatable},
                             {"--exclude", CliValue::Repeatable},
                             {"--within", CliValue::Single},
                             CJobCount::Option()},
                            CCliArguments::Operands::Workspace);
    for (CliArgument argument; arguments.Next(argument);)
    {
        const std::string& value = argument.value;
        if (argument.Is("--help"))
            request.help = true;
        else if (argument.Is("--check"))
            request.check = true;
        else if (argument.Is("--command"))
            request.source.command = value;
        else if (argument.Is("--settings"))
            request.source.settingsPath = value;
        else if (argument.Is("--project"))
            request.projects.push_back(value);
        else if (argument.Is("--file"))
            request.files.push_back(value);
        else if (argument.Is("--exclude"))
            request.excludes.emplace_back(value);
        else if (argument.Is("--within"))
            request.within = value;
        else if (argument.Is(CJobCount::kOption))
        {
            if (!request.jobs.Take(value, error))
                return false;
        }
        else if (request.workspace.empty())
            request.workspace = value;
        else
        {
            error = "only one workspace, not also '" + value + "'";
            return false;
        }
    }
    error = arguments.Error();
    if (!error.empty())
        return false;
    if (request.help)
        return true;
    const std::string& command = request.source.command;
    if (request.workspace.empty())
        error = "no workspace file given";
    else if (command.empty())
        error = "no --command given (" + FormatCommandSetList() + ")";
    else if (!FindFormatCommandSet(command))
        error = UnknownValue("command", command, "--command", FormatCommandSetList());
    return error.empty();
}

// The real path of folder, which must be one.
bool RealFolder(const std::string& folder, std::string& real, std::string& error)
{
    std::error_code cause;
    const std::filesystem::path path = std::filesystem::canonical(NativePath(folder), cause);
    if (!cause && !std::filesystem::is_directory(path, cause) && !cause)
        cause = std::make_error_code(std::errc::not_a_directory);
    if (cause)
    {
        error = cause.message();
        return false;
    }
    real = path.string();
    return true;
}

std::string WithoutExtension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool ProjectMatches(const std::string& rowName, const std::string& wanted)
{
    const std::string fileName = FileNamePart(rowName);
    return EqualIgnoringCase(rowName, wanted) || EqualIgnoringCase(fileName, wanted) ||
           EqualIgnoringCase(WithoutExtension(fileName), wanted);
}

bool FileMatches(const std::string& rowName, const std::string& wanted)
{
    const std::string file = SourceFilePath(rowName);
    return EqualIgnoringCase(rowName, wanted) || EqualIgnoringCase(file, wanted) ||
           EqualIgnoringCase(FileNamePart(file), wanted);
}

// Selects in list what the request names, everything when it names nothing.
// Fails naming the first project or file that matches no item.
bool SelectRequested(const BatchRequest& request, CMetricsList& list, std::string& error)
{
    if (request.projects.empty() && request.files.empty())
    {
        list.SelectAll();
        return true;
    }
    for (const std::string& wanted : request.projects)
    {
        bool found = false;
        for (std::size_t p = 0; p < list.ProjectCount(); ++p)
        {
            if (ProjectMatches(list.ProjectText(p, IMetricsTree::NameColumn), wanted))
            {
                list.SelectProject(p);
                found = true;
            }
        }
        if (!found)
        {
            error = "no project '" + wanted + "' in the workspace";
            return false;
        }
    }
    for (const std::string& wanted : request.files)
    {
        bool found = false;
        for (std::size_t p = 0; p < list.ProjectCount(); ++p)
        {
            for (std::size_t f = 0; f < list.FileCount(p); ++f)
            {
                if (FileMatches(list.FileText(p, f, IMetricsTree::NameColumn), wanted))
                {
                    list.SelectFile(p, f);
                    found = true;
                }
            }
        }
        if (!found)
        {
            error = "no source file '" + wanted + "' in the workspace";
            return false;
        }
    }
    return true;
}

// Leaves out the chosen files that an --exclude pattern matches, named below
// the workspace folder. A chosen project stands for all its files, so its
// files are chosen one by one instead.
void DeselectExcluded(const std::vector<CGlobPattern>& excludes, CMetricsList& list)
{
    if (excludes.empty())
        return;
    for (std::size_t p = 0; p < list.ProjectCount(); ++p)
    {
        const bool projectSelected = list.IsProjectSelected(p);
        const std::string projectFolder = DirectoryPart(list.ProjectText(p, IMetricsTree::NameColumn));
        list.SelectProject(p, false);
        for (std::size_t f = 0; f < list.FileCount(p); ++f)
        {
            const std::string name =
                WorkspaceRelativeName(projectFolder + SourceFilePath(list.FileText(p, f, IMetricsTree::NameColumn)));
            const bool excluded = std::any_of(excludes.begin(), excludes.end(),
                                              [&](const CGlobPattern& pattern) { return pattern.Matches(name); });
            list.SelectFile(p, f, (projectSelected || list.IsFileSelected(p, f)) && !excluded);
        }
    }
}

// The progress dialog of the command line: one line per file, or on a
// terminal one line redrawn with a bar and the engine's percentage.
class CConsoleBatchProgress : public IBatchProgress
{
public:
    explicit CConsoleBatchProgress(std::ostream& err) : m_err(err), m_bar(IsTerminal(err)) {}
    ~CConsoleBatchProgress() override
    {
        if (m_bar && m_drawn)
            m_err << "\n";
    }
    CConsoleBatchProgress(const CConsoleBatchProgress&) = delete;
    CConsoleBatchProgress& operator=(const CConsoleBatchProgress&) = delete;

    // A line per file is all the command line shows.
    void SetStatus(const std::string&) override {}

    void FileStarted(const std::string& itemText) override
    {
        ++m_done;
        m_file = itemText;
        if (m_bar)
            Draw(0);
        else
            m_err << kCliName << ": [" << m_done << "/" << m_total << "] " << FormattingFileStatus(itemText) << "\n";
    }

    bool IsCancelled() const override { return false; }

    void OnProgress(int percent) override
    {
        if (m_bar)
            Draw(percent);
    }

    // The number of files that will be formatted, for "[n/total]".
    void SetTotal(std::size_t total) { m_total = total; }

private:
    // Only the real stderr can be a terminal; a test's stream never is.
    static bool IsTerminal(const std::ostream& stream)
    {
        if (&stream != &std::cerr)
            return false;
#ifdef _WIN32
        return _isatty(_fileno(stderr)) != 0;
#else
        return isatty(STDERR_FILENO) != 0;
#endif
    }

    void Draw(int percent)
    {
        const int width = 30;
        const std::size_t filled = m_total == 0 ? 0 : (width * (m_done - 1) + width * percent / 100) / m_total;
        char counts[64];
        std::snprintf(counts, sizeof counts, "] %zu/%zu ", m_done, m_total);
        m_err << "\r[" << std::string(filled, '#') << std::string(width - filled, '.') << counts << m_file.substr(0, 40)
              << "\x1b[K" << std::flush;
        m_drawn = true;
    }

    std::ostream& m_err;
    std::size_t m_total = 0;
    bool m_bar;
    bool m_drawn = false;
    std::size_t m_done = 0;
    std::string m_file;
};

// The command line asks nothing: the failure is reported from the run's
// results and the run goes on.
class CAnswerYes : public IMessageSink
{
public:
    MessageAnswer Show(const std::string&, const std::string&, MessageStyle) override { return MessageAnswer::Yes; }
};

// The batch reads an empty result as a failure and keeps the file; it
// refuses a NUL byte itself and reports its own cause.
std::string FormatForBatch(const std::string& text, const FormatOptions& options, IProgressSink& progress)
{
    std::string result;
    std::string cause;
    return FormatNulFreeText(text, options, result, cause, &progress) ? result : std::string();
}

} // namespace

std::string WorkspaceRelativeName(const std::string& relativePath)
{
    std::string name;
    std::size_t start = 0;
    while (start <= relativePath.size())
    {
        std::size_t end = relativePath.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = relativePath.size();
        const std::string part = relativePath.substr(start, end - start);
        if (!part.empty() && part != ".")
            name += (name.empty() ? "" : "\\") + part;
        start = end + 1;
    }
    return name;
}

int RunBatchCommand(const std::vector<std::string>& args, CliStreams& io)
{
    BatchRequest request;
    std::string error;
    if (!ParseBatchRequest(args, request, error))
        return UsageError(io.err, "batch", error);
    if (request.help)
    {
        WriteHelp(io.out);
        return kExitOk;
    }

    // The workspace's team settings apply to the whole run.
    CSettingsDiscovery settingsFinder(request.source, io.err);
    const FormatOptions* found = nullptr;
    std::string settingsName;
    if (!settingsFinder.OptionsFor(request.workspace, found, settingsName, error))
        return Fail(io.err, error);
    const FormatOptions options = *found;

    MetricsTable table;
    CProjectReader reader(table, FrontEnd::Standalone, SourceCounters::None());
    if (!reader.ReadWorkspace(request.workspace, error))
        return Fail(io.err, error);
    CMetricsList list;
    list.Fill(table);
    if (!SelectRequested(request, list, error))
        return Fail(io.err, "batch: " + error);
    DeselectExcluded(request.excludes, list);

    BatchSettings settings;
    settings.workspaceDirectory = reader.WorkspaceDirectory();
    settings.fullFormat = FindFormatCommandSet(request.source.command)->usesStoredOptions;
    settings.checkOnly = request.check;
    settings.jobs = request.jobs.Count();
    if (!request.within.empty() && !RealFolder(request.within, settings.within, error))
        return Fail(io.err, "batch: --within " + request.within + ": " + error);
    CAnswerYes answers;
    BatchReport report;
    std::size_t formattable = 0;
    {
        CConsoleBatchProgress progress(io.err);
        CBatchFormatter formatter(
            list, settings,
            [&options](const std::string& text, IProgressSink& sink) { return FormatForBatch(text, options, sink); },
            progress, answers);
        for (auto item = CBatchFormatter::NextTargetItem(list, std::nullopt); item;
             item = CBatchFormatter::NextTargetItem(list, item))
        {
            if (IsFormattableExtension(LowerExtension(formatter.FullPath(*item))))
                ++formattable;
        }
        progress.SetTotal(formattable);
        report = formatter.BatchFormat();
    }

    using Outcome = BatchFileResult::Outcome;
    std::size_t written = 0;
    std::size_t changes = 0;
    std::size_t failures = 0;
    for (const BatchFileResult& file : report.files)
    {
        const std::string shown = WorkspaceRelativeName(file.path.substr(settings.workspaceDirectory.size()));
        switch (file.outcome)
        {
        case Outcome::Written:
            ++written;
            break;
        case Outcome::WouldChange:
            ++changes;
            io.out << shown << ":" << file.firstChangedLine << ": would reformat\n";
            break;
        case Outcome::Unreadable:
            io.err << kCliName << ": " << shown << ": skipped: " << file.error << "\n";
            break;
        case Outcome::Outside:
            if (request.check)
                io.out << "outside " << request.within << ": " << shown << "\n";
            else
                io.err << kCliName << ": " << shown << ": skipped: outside " << request.within << "\n";
            break;
        case Outcome::HoldsNul:
        case Outcome::EngineFailed:
            ++failures;
            io.err << kCliName << ": " << shown << ": " << file.error << "\n";
            break;
        case Outcome::WriteFailed:
            ++failures;
            io.err << kCliName << ": " << shown << ": " << WriteFailureCause(file.error) << "\n";
            break;
        case Outcome::Unchanged:
        case Outcome::NotFormattable:
            break;
        }
    }
    if (!request.check)
        io.err << kCliName << ": " << written << " of " << formattable << " source files rewritten\n";
    if (failures > 0)
        return kExitFailure;
    return changes > 0 ? kExitChanges : kExitOk;
}
