#include "QuilletCli.h"

#include "CliCommandTable.h"

#ifdef _WIN32
#include "ConsoleMessageBoxes.h"
#endif

#include <algorithm>
#include <exception>
#include <ostream>

namespace
{

void WriteUsage(std::ostream& stream)
{
    stream << "Usage: " << kCliName << " COMMAND [ARGUMENTS]...\n"
           << "\n"
           << "Commands:\n";
    for (const CliCommand& command : CliCommands())
        stream << "  " << command.name << std::string(12 - std::min<size_t>(11, std::string(command.name).size()), ' ')
               << command.summary << "\n";
    stream << "\n"
           << "'" << kCliName << " COMMAND --help' describes a command.\n"
           << "Exit status: 0 success, 1 changes found by a check, 2 usage error or failed input.\n";
}

} // namespace

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
    const CliCommand* command = FindCliCommand(args[0]);
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
    // An exception that escapes a subcommand (out of memory, say) ends the
    // run with a message rather than an abort.
    try
    {
        return command->run(std::vector<std::string>(args.begin() + 1, args.end()), io);
    }
    catch (const std::exception& exception)
    {
        err << kCliName << ": " << args[0] << ": " << exception.what() << "\n";
        return kExitFailure;
    }
}
