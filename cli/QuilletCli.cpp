// The command line's dispatch to its three commands; on Windows, message boxes become lines on standard error.
#include "QuilletCli.h"

#include "CliCommand.h"

#include <algorithm>
#include <exception>
#include <ostream>

// The table of commands, the usage text that lists them, and the run of one.

namespace
{

struct CliCommand
{
    const char* name;
    const char* summary;
    int (*run)(const std::vector<std::string>& args, CliStreams& io);
};

// The commands, in the order the usage text lists them.
const CliCommand kCommands[] = {
    {"format", "reformat C and C++ source text", RunFormatCommand},
    {"metrics", "count the lines and comments of a workspace's or a folder's sources", RunMetricsCommand},
    {"batch", "reformat a workspace's source files in place", RunBatchCommand},
};

void WriteUsage(std::ostream& stream)
{
    stream << "Usage: " << kCliName << " COMMAND [ARGUMENTS]...\n"
           << "\n"
           << "Commands:\n";
    for (const CliCommand& command : kCommands)
        stream << "  " << command.name << std::string(12 - std::min<size_t>(11, std::string(command.name).size()), ' ')
               << command.summary << "\n";
    stream << "\n"
           << "'" << kCliName << " COMMAND --help' describes a command.\n"
           << "Exit status: 0 success, 1 changes found by a check, 2 usage error or failed input.\n";
}

#ifdef _WIN32
std::ostream* messageStream = nullptr;

int WriteMessageBox(HWND, const std::string& text, const std::string&, UINT type)
{
    if (messageStream)
    {
        std::string line = text;
        std::replace_if(
            line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        *messageStream << kCliName << ": " << line << "\n";
    }
    const UINT buttons = type & MB_TYPEMASK;
    return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDNO : IDOK;
}
#endif

} // namespace

#ifdef _WIN32
CConsoleMessageBoxes::CConsoleMessageBoxes(std::ostream& stream) : m_previousStream(messageStream)
{
    messageStream = &stream;
    m_previousHandler = SetMessageBoxHandler(&WriteMessageBox);
}

CConsoleMessageBoxes::~CConsoleMessageBoxes()
{
    SetMessageBoxHandler(m_previousHandler);
    messageStream = m_previousStream;
}
#endif

int RunQuilletCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.empty())
    {
        WriteUsage(err);
        return kExitFailure;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help")
    {
        WriteUsage(out);
        return kExitOk;
    }
    const CliCommand* command = FindNamedEntry(kCommands, args[0]);
    if (!command)
    {
        err << kCliName << ": unknown command '" << args[0] << "'\n"
            << "Try '" << kCliName << " --help'.\n";
        return kExitFailure;
    }
#ifdef _WIN32
    const CConsoleMessageBoxes messageBoxes(err);
#endif
    CliStreams io{in, out, err};
    // An exception that escapes a command (out of memory, say) ends the run
    // with a message rather than an abort.
    try
    {
        return command->run(std::vector<std::string>(args.begin() + 1, args.end()), io);
    }
    catch (const std::exception& exception)
    {
        return Fail(err, args[0] + ": " + exception.what());
    }
}
