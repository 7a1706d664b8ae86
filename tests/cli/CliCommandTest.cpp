// The command line shared by every command: usage messages, each naming the
// argument at fault, and help.
#include "CliCommand.h"
#include "CliTestSupport.h"

#include <gtest/gtest.h>

namespace
{

TEST(CliUsage, EachCommandKeepsItsWordingAndPointsAtItsHelp)
{
    const std::string ws = std::string(QUILLET_SOURCE_DIR) + "/examples/workspace/example.dsw";
    // The line that points at a command's help.
    const auto help = [](const std::string& command) { return "\nTry 'quillet-cli " + command + "--help'.\n"; };
    const std::string format = help("format "), metrics = help("metrics "), batch = help("batch ");
    const struct
    {
        std::vector<std::string> args;
        std::string err; // after "quillet-cli: "
    } cases[] = {
        {{"nope"}, "unknown command 'nope'" + help("")},
        {{"format", "-x"}, "format: unknown argument '-x'" + format},
        {{"format", "--option"}, "format: '--option' needs a value" + format},
        {{"metrics", "--frobnicate"}, "metrics: unknown option '--frobnicate'" + metrics},
        {{"metrics", ws, "--format"}, "metrics: --format needs a value" + metrics},
        {{"metrics", "--format=csv"}, "metrics: no workspace file given" + metrics},
        {{"metrics", ws, "--format=xml"}, "metrics: unknown format 'xml' (text, csv, json or markdown)\n"},
        {{"metrics", ws, "b.dsw"}, "metrics: only one workspace, not also 'b.dsw'\n"},
        {{"batch", ws, "--check=1"}, "batch: unknown option '--check=1'" + batch},
        {{"batch", ws, "--command"}, "batch: --command needs a value" + batch},
        {{"batch", ws, "b.dsw"}, "batch: only one workspace, not also 'b.dsw'" + batch},
        {{"batch", ws, "--command=shuffle"},
         "batch: unknown command 'shuffle' (full, reindent, tabify, untabify, operator-expand, operator-contract, "
         "parentheses-expand, parentheses-contract, delete-trailing-whitespace)" +
             batch},
        {{"batch", ws, "--jobs=0"}, "batch: bad value in --jobs '0' (--jobs takes 1 to 256)" + batch},
        {{"batch", ws, "--command=reindent", "--settings=none.reg", "--project=nope"},
         "batch: no project 'nope' in the workspace\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunCli(c.args), (CliResult{kExitFailure, "", "quillet-cli: " + c.err}))
            << ::testing::PrintToString(c.args);
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

TEST(FormatUsage, BadArgumentsAreUsageErrorsNamingTheArgument)
{
    // Each case: the arguments after "format", and what the message must name.
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--option", "TabSiz=4"}, "TabSiz"},
        {{"--option", "TabSize=x"}, "TabSize=x"},
        {{"--option", "TabSize=-1"}, "TabSize=-1"},
        {{"--option", "TabSize=21"}, "TabSize=21"},
        {{"--option", "TabSize=99999999999"}, "99999999999"},
        {{"--command", "beautify"}, "beautify"},
        {{"--settings="}, "--settings"},
        {{"--settings", "a.reg", "--settings=b.reg"}, "once"},
        {{"--command", "full", "--command", "tabify"}, "--command"},
        {{"--in-place", "--check", "a.cpp"}, "--check"},
        {{"--in-place"}, "--in-place"},
        {{"--jobs", "0"}, "bad value in --jobs '0' (--jobs takes 1 to 256)"},
        {{"--jobs", "257"}, "'257'"},
    };
    for (const auto& [args, named] : cases)
    {
        std::vector<std::string> all = {"format"};
        all.insert(all.end(), args.begin(), args.end());
        const CliResult result = RunCli(all, "int x;\n");
        EXPECT_EQ(result.status, 2) << named;
        EXPECT_EQ(result.out, "") << named;
        EXPECT_TRUE(Contains(result.err, named));
    }
}

} // namespace
