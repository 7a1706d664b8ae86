// The metrics command: a workspace's or a folder's sources counted and written in the output form asked for.
#include "CliCommand.h"
#include "FileUtil.h"
#include "FormattableExtensions.h"
#include "MetricsWriters.h"
#include "ProjectReader.h"
#include "SourceCounting.h"
#include "SourceSelection.h"

#include <filesystem>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

// quillet-cli metrics: a workspace's projects, or a folder's sources, with
// their line and comment counts, in one of four output forms.

namespace
{

void WriteHelp(std::ostream& out)
{
    out << "Usage: " << kCliName << " metrics WORKSPACE.dsw|SOLUTION.sln [--format FORM]\n"
        << "       " << kCliName
        << " metrics FOLDER|FILE... [--format FORM] [--extensions LIST] [--exclude PATTERN]...\n"
        << "                           [--files-from FILE]\n"
        << "\n"
        << "Reads a Developer Studio workspace (.dsw) or a Visual Studio solution (.sln)\n"
        << "and every project it names (.dsp; .vcxproj, .vcproj), and lists each project\n"
        << "and source file with its line and comment counts; or counts the C and C++\n"
        << "sources (.cpp, .inl, .c, .h) of FOLDERs and the FILEs named, as one project.\n"
        << "The totals of all projects come last. FORM is one of:\n"
        << "  text      the report's columns; \"NA\" where a file is not countable (default)\n"
        << "  csv       kind,project,name,lines,comments,status; -1 where not countable\n"
        << "  json      an array of objects with the same fields\n"
        << "  markdown  a table for pasting into a review\n"
        << "A file's status is counted, not-counted (an extension that is not counted),\n"
        << "missing or unreadable; the last two count 0, are noted after the file's row in\n"
        << "text, and are warned of on standard error. A project item that uses an MSBuild\n"
        << "property, such as $(IntDir)gen.cpp, is listed as written and not-counted.\n"
        << "CSV, JSON and Markdown are UTF-8:\n"
        << "a name that is not UTF-8 is read as Windows-1252.\n"
        << "\n"
        << "Folders and files are chosen as for format:\n"
        << CSourceSelection::HelpText() << "Exit status: 0 success, 2 usage error or a workspace or project file that\n"
        << "cannot be read.\n";
}

// A folder's sources (or the files named) as one project.
bool CountFiles(const CSourceSelection& selection, const std::string& projectName, CliStreams& io,
                MetricsReport& report)
{
    std::vector<std::string> files;
    std::vector<std::string> problems;
    const bool listed = selection.Collect(io.in, files, problems);
    for (const std::string& problem : problems)
        Fail(io.err, problem);
    if (!listed)
        return false;
    MetricsTable table;
    table.Append(RowKind::Project, projectName, 0, 0, std::string());
    CSourceCounting counting(io.err, selection.Extensions());
    for (const std::string& file : files)
    {
        const SourceCount& count = counting.Count(std::string(), file);
        table.Append(RowKind::SourceFile, file, count.lines, count.comments, std::string());
    }
    report = BuildMetricsReport(table, counting.Counts());
    return true;
}

bool IsFolder(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(NativePath(path), error);
}

} // namespace

int RunMetricsCommand(const std::vector<std::string>& args, CliStreams& io)
{
    std::vector<std::string> operands;
    bool filesFrom = false;
    const MetricsOutputForm* form = FindMetricsOutputForm("text");
    CSourceSelection selection({std::begin(FormattableExtensions), std::end(FormattableExtensions)});
    std::vector<CliOption> options = CSourceSelection::Options();
    options.push_back({"--format", CliValue::Single});
    CCliArguments arguments(args, options, CCliArguments::Operands::Workspace);
    std::string error;
    for (CliArgument argument; arguments.Next(argument);)
    {
        if (argument.Is("--help"))
        {
            WriteHelp(io.out);
            return kExitOk;
        }
        if (argument.Is("--format"))
        {
            form = FindMetricsOutputForm(argument.value);
            if (!form)
                return UsageError(io.err, "metrics",
                                  UnknownValue("format", argument.value, "--format", MetricsOutputFormList()));
            continue;
        }
        if (!selection.Take(argument, error))
            return UsageError(io.err, "metrics", error);
        if (argument.IsOperand())
            operands.push_back(argument.value);
        filesFrom = filesFrom || argument.Is("--files-from");
    }
    if (!arguments.Error().empty())
        return UsageError(io.err, "metrics", arguments.Error());
    if (operands.empty() && !filesFrom)
        return UsageError(io.err, "metrics", "no workspace file given");

    MetricsReport report;
    if (filesFrom || IsFolder(operands[0]))
    {
        const std::string name = operands.size() == 1 && !filesFrom ? operands[0] : "files";
        if (!CountFiles(selection, name, io, report))
            return kExitFailure;
    }
    else
    {
        if (operands.size() > 1)
            return UsageError(io.err, "metrics", "only one workspace, not also '" + operands[1] + "'");
        MetricsTable table;
        CSourceCounting counting(io.err);
        CProjectReader reader(table, FrontEnd::Standalone, counting.Counters());
        if (!reader.ReadWorkspace(operands[0], error))
            return Fail(io.err, error);
        report = BuildMetricsReport(table, counting.Counts());
    }
    form->write(report, io.out);
    return kExitOk;
}
