#include "CliCommandTable.h"

#include "NamedEntries.h"

#define QUILLET_CLI_COMMAND(name, function, summary) int function(const std::vector<std::string>& args, CliStreams& io);
#include "CliCommandList.h"
#undef QUILLET_CLI_COMMAND

const std::vector<CliCommand>& CliCommands()
{
    static const std::vector<CliCommand> commands = {
#define QUILLET_CLI_COMMAND(name, function, summary) {name, summary, function},
#include "CliCommandList.h"
#undef QUILLET_CLI_COMMAND
    };
    return commands;
}

const CliCommand* FindCliCommand(const std::string& name)
{
    return FindNamedEntry(CliCommands(), name);
}
