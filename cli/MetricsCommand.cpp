#include "CliCommand.h"
#include "LineCounter.h"
#include "MetricsWriters.h"
#include "ProjectReader.h"

#include <ostream>

namespace
{

void WriteHelp(std::ostream& out)
{
    out << "Usage: " << kCliName << " metrics WORKSPACE.dsw [--format text|csv|json]\n"
        << "\n"
        << "Reads a Developer Studio workspace and every project it names, and lists\n"
        << "each project and source file with its line and comment counts.\n"
        << "  text  the report's columns; \"NA\" where a file is not countable (default)\n"
        << "  csv   kind,project,name,lines,comments; -1 where not countable\n"
        << "  json  an array of objects with the same fields\n"
        << "Exit status: 0 success, 2 usage error or a file that cannot be read.\n";
}

} // namespace

int RunMetricsCommand(const std::vector<std::string>& args, CliStreams& io)
{
    std::string workspace;
    std::string format = "text";
    for (std::size_t i = 0; i < args.size(); ++i)
    {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
        {
            WriteHelp(io.out);
            return kExitOk;
        }
        std::string value;
        if (arg == "--format" && i + 1 < args.size())
            value = args[++i];
        else if (arg.compare(0, 9, "--format=") == 0)
            value = arg.substr(9);
        else if (arg == "--format" || (arg.size() > 1 && arg[0] == '-'))
        {
            io.err << kCliName << ": metrics: " << (arg == "--format" ? "--format needs a value" : "unknown option '" + arg + "'")
                   << "\nTry '" << kCliName << " metrics --help'.\n";
            return kExitFailure;
        }
        else if (workspace.empty())
        {
            workspace = arg;
            continue;
        }
        else
        {
            io.err << kCliName << ": metrics: only one workspace, not also '" << arg << "'\n";
            return kExitFailure;
        }
        if (value != "text" && value != "csv" && value != "json")
        {
            io.err << kCliName << ": metrics: unknown format '" << value << "' (text, csv or json)\n";
            return kExitFailure;
        }
        format = value;
    }
    if (workspace.empty())
    {
        io.err << kCliName << ": metrics: no workspace file given\nTry '" << kCliName << " metrics --help'.\n";
        return kExitFailure;
    }

    MetricsTable table;
    CProjectReader reader(table, CProjectReader::Flavour::Standalone,
                          {CLineCounter::GetLineCount, CLineCounter::GetCommentCount});
    std::string error;
    if (!reader.ReadWorkspace(workspace, error))
    {
        io.err << kCliName << ": " << error << "\n";
        return kExitFailure;
    }
    if (format == "csv")
        WriteMetricsCsv(table, io.out);
    else if (format == "json")
        WriteMetricsJson(table, io.out);
    else
        WriteMetricsText(table, io.out);
    return kExitOk;
}
