#pragma once

#include "CliCommand.h"

#include <vector>

// Every subcommand, in the order the help lists them.
const std::vector<CliCommand>& CliCommands();

// The subcommand of that name, or null.
const CliCommand* FindCliCommand(const std::string& name);
