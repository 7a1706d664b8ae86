#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit statuses shared by every subcommand.
enum CliExitStatus
{
    kExitOk = 0,
    kExitChanges = 1,   // --check found something to change
    kExitFailure = 2    // usage error, or at least one input failed
};

// The streams a subcommand works on; stdin/stdout/stderr in the real program.
struct CliStreams
{
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// One subcommand: its arguments are those after its name.
using CliCommandFunction = int (*)(const std::vector<std::string>& args, CliStreams& io);

struct CliCommand
{
    const char* name;
    const char* summary;
    CliCommandFunction run;
};

// Prefix of every diagnostic line.
constexpr const char* kCliName = "quillet-cli";
