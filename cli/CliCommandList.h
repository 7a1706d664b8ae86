// The subcommands of quillet-cli, one line each:
//   QUILLET_CLI_COMMAND(name, entry function, one-line summary)
// The entry function lives in its own <Name>Command.cpp in this folder, which
// the build picks up by its name.
QUILLET_CLI_COMMAND("format", RunFormatCommand, "reformat C and C++ source text")
QUILLET_CLI_COMMAND("metrics", RunMetricsCommand, "list a workspace's projects and files with line and comment counts")
QUILLET_CLI_COMMAND("batch", RunBatchCommand, "reformat a workspace's source files in place")
