// The command line shared by every command: usage messages, each naming the
// argument at fault, and help.
#include "CliCommand.h"
#include "CliTestSupport.h"

#include <gtest/gtest.h>

namespace
{

// The same fault reads the same in every command, and every usage error ends
// by pointing at the command's help.
TEST(CliUsage, EveryCommandSpeaksWithOneVoiceAndPointsAtItsHelp)
{
    const std::string ws = std::string(QUILLET_SOURCE_DIR) + "/examples/workspace/example.dsw";
    const std::string commands = "full, reindent, tabify, untabify, operator-expand, operator-contract, "
                                 "parentheses-expand, parentheses-contract, delete-trailing-whitespace";
    const std::string options = "TabSize, IndentSize, SpaceTabStyle, OpenIndentStyle, OpenNewLineStyle, "
                                "CloseIndentStyle, CloseNewLineStyle, ParenthesesSpace, OperatorSpace, "
                                "DeleteTrailingWhiteSpace, RecalculateIndents, SpellCheckComments, SpellCheckText";
    // What each command needs besides the faulty arguments, so that only they
    // are at fault; batch only checks, so that a fault let through cannot
    // rewrite the bundled example.
    const std::vector<std::pair<std::string, std::vector<std::string>>> runs = {
        {"format", {}}, {"metrics", {ws}}, {"batch", {ws, "--check", "--command=reindent"}}};
    const struct
    {
        std::vector<std::string> args;
        std::string error;
    } faults[] = {
        {{"--frobnicate"}, "unknown option '--frobnicate'"},   {{"-x"}, "unknown option '-x'"},
        {{"--frobnicate=1"}, "unknown option '--frobnicate'"}, {{"--help=1"}, "option '--help' takes no value"},
        {{"--exclude"}, "option '--exclude' needs a value"},   {{"--exclude="}, "option '--exclude' needs a value"},
    };
    for (const auto& [command, needed] : runs)
    {
        for (const auto& fault : faults)
        {
            std::vector<std::string> args = {command};
            args.insert(args.end(), needed.begin(), needed.end());
            args.insert(args.end(), fault.args.begin(), fault.args.end());
            EXPECT_EQ(RunCli(args, "int x;\n"), (CliResult{kExitFailure, "",
                                                           "quillet-cli: " + command + ": " + fault.error +
                                                               "\nTry 'quillet-cli " + command + " --help'.\n"}))
                << ::testing::PrintToString(args);
        }
    }

    // Faults of one command's own options, in the same words.
    const struct
    {
        std::vector<std::string> args;
        std::string err; // after "quillet-cli: COMMAND: ", before the help line
    } cases[] = {
        {{"format", "--settings", "a.reg", "--settings=b.reg"}, "option '--settings' given more than once"},
        {{"batch", ws, "--check", "--command=tabify", "--command=reindent"}, "option '--command' given more than once"},
        {{"metrics", ws, "--format=csv", "--format", "json"}, "option '--format' given more than once"},
        {{"format", "--jobs", "1", "--jobs=2"}, "option '--jobs' given more than once"},
        {{"format", "--command", "beautify"}, "unknown command 'beautify' for --command (one of " + commands + ")"},
        {{"batch", ws, "--command=shuffle"}, "unknown command 'shuffle' for --command (one of " + commands + ")"},
        {{"metrics", ws, "--format=xml"}, "unknown format 'xml' for --format (one of text, csv, json, markdown)"},
        {{"metrics", ws, "b.dsw"}, "only one workspace, not also 'b.dsw'"},
        {{"batch", ws, "b.dsw", "--check", "--command=full"}, "only one workspace, not also 'b.dsw'"},
        {{"metrics", "--format=csv"}, "no workspace file given"},
        {{"batch", ws}, "no --command given (" + commands + ")"},
        {{"batch", ws, "--check", "--jobs=0"}, "bad value in --jobs '0' (--jobs takes 1 to 256)"},
        {{"format", "--jobs", "257"}, "bad value in --jobs '257' (--jobs takes 1 to 256)"},
        {{"format", "--option", "TabSiz=4"}, "unknown option name 'TabSiz' for --option (one of " + options + ")"},
        {{"format", "--option", "TabSize=x"}, "bad value in --option 'TabSize=x' (TabSize takes 0 to 20)"},
        {{"format", "--option", "TabSize=-1"}, "bad value in --option 'TabSize=-1' (TabSize takes 0 to 20)"},
        {{"format", "--option", "TabSize=21"}, "bad value in --option 'TabSize=21' (TabSize takes 0 to 20)"},
        {{"format", "--option=TabSize=99999999999"},
         "bad value in --option 'TabSize=99999999999' (TabSize takes 0 to 20)"},
        {{"format", "--in-place", "--check", "a.cpp"}, "--in-place and --check cannot be used together"},
        {{"format", "--in-place"}, "--in-place needs at least one FILE"},
    };
    for (const auto& c : cases)
    {
        const std::string& command = c.args[0];
        EXPECT_EQ(RunCli(c.args, "int x;\n"), (CliResult{kExitFailure, "",
                                                         "quillet-cli: " + command + ": " + c.err +
                                                             "\nTry 'quillet-cli " + command + " --help'.\n"}))
            << ::testing::PrintToString(c.args);
    }
    EXPECT_EQ(RunCli({"nope"}),
              (CliResult{kExitFailure, "", "quillet-cli: unknown command 'nope'\nTry 'quillet-cli --help'.\n"}));
    // A project or file the workspace lacks is no usage error but a failed run.
    EXPECT_EQ(RunCli({"batch", ws, "--check", "--command=reindent", "--settings=none.reg", "--project=nope"}),
              (CliResult{kExitFailure, "", "quillet-cli: batch: no project 'nope' in the workspace\n"}));
    EXPECT_EQ(RunCli({"batch", ws, "--check", "--command=reindent", "--settings=none.reg", "--file=nope.c"}),
              (CliResult{kExitFailure, "", "quillet-cli: batch: no source file 'nope.c' in the workspace\n"}));
}

TEST(CliUsage, HelpWinsOverMissingArgumentsButNotOverBadOnes)
{
    const CliResult usage = RunCli({"--help"});
    EXPECT_EQ(usage.status, kExitOk);
    for (const char* command : {"\n  format ", "\n  metrics ", "\n  batch "})
        EXPECT_TRUE(Contains(usage.out, command));
    EXPECT_EQ(RunCli({}), (CliResult{kExitFailure, "", usage.out}));

    for (const char* command : {"format", "metrics", "batch"})
    {
        SCOPED_TRACE(command);
        const CliResult help = RunCli({command, "-h"});
        EXPECT_EQ(help.status, kExitOk);
        EXPECT_EQ(help.err, "");
        EXPECT_EQ(help.out.find(std::string("Usage: quillet-cli ") + command), 0u) << help.out;
        EXPECT_EQ(RunCli({command, "--bogus", "--help"}).status, kExitFailure);
    }
    EXPECT_EQ(RunCli({"format", "--in-place", "--help"}).status, kExitOk);
}

} // namespace
