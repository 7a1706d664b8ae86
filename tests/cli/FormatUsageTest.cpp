#include "CliTestSupport.h"

#include <gtest/gtest.h>

namespace
{

TEST(FormatUsage, BadArgumentsAreUsageErrorsNamingTheArgument)
{
    // Each case: the arguments after "format", and what the message must name.
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--option", "TabSiz=4"}, "TabSiz"},         {{"--option", "tabsize=4"}, "tabsize"},
        {{"--option", "TabSize=x"}, "TabSize=x"},     {{"--option", "TabSize="}, "TabSize="},
        {{"--option", "TabSize"}, "TabSize"},         {{"--option", "TabSize=-1"}, "TabSize=-1"},
        {{"--option", "TabSize=21"}, "TabSize=21"},   {{"--option", "OperatorSpace=3"}, "OperatorSpace=3"},
        {{"--option", "TabSize=99999999999"}, "99999999999"},
        {{"--command", "beautify"}, "beautify"},      {{"--command", "Full"}, "Full"},
        {{"--frobnicate"}, "--frobnicate"},           {{"-x"}, "-x"},
        {{"--option"}, "--option"},                   {{"--settings"}, "--settings"},
        {{"--command", "full", "--command", "tabify"}, "--command"},
        {{"--in-place", "--check", "a.cpp"}, "--check"},
        {{"--in-place"}, "--in-place"},
    };
    for (const auto& [args, named] : cases)
    {
        std::vector<std::string> all = {"format"};
        all.insert(all.end(), args.begin(), args.end());
        const CliResult result = RunCli(all, "int x;\n");
        EXPECT_EQ(result.status, 2) << named;
        EXPECT_EQ(result.out, "") << named;
        EXPECT_NE(result.err.find(named), std::string::npos) << result.err;
    }
    EXPECT_EQ(RunCli({"reformat"}).status, 2);
    EXPECT_EQ(RunCli({}).status, 2);
}

TEST(FormatUsage, ValueFormsAndEndOfOptionsAreAccepted)
{
    ScratchFolder folder;
    const std::string settings = folder.PathOf("none.reg");
    CliResult result = RunCli({"format", "--settings=" + settings, "--command=untabify", "--option=TabSize=1"}, "\tx;\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, " x;\n");

    // After "--" a name that looks like an option is a file.
    const std::string odd = folder.Write("--odd.cpp", "y;\n");
    result = RunCli({"format", "--settings", settings, "--", odd});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "y;\n");
}

TEST(FormatUsage, HelpGoesToStdout)
{
    for (const char* first : {"--help", "format"})
    {
        const CliResult result = RunCli({first, "--help"});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find("format"), std::string::npos);
    }
}

} // namespace
