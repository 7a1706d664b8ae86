// quillet-cli format's usage errors: each names the argument at fault.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

namespace
{

TEST(FormatUsage, BadArgumentsAreUsageErrorsNamingTheArgument)
{
    // Each case: the arguments after "format", and what the message must name.
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--option", "TabSiz=4"}, "TabSiz"},
        {{"--option", "tabsize=4"}, "tabsize"},
        {{"--option", "TabSize=x"}, "TabSize=x"},
        {{"--option", "TabSize="}, "TabSize="},
        {{"--option", "TabSize"}, "TabSize"},
        {{"--option", "TabSize=-1"}, "TabSize=-1"},
        {{"--option", "TabSize=21"}, "TabSize=21"},
        {{"--option", "OperatorSpace=3"}, "OperatorSpace=3"},
        {{"--option", "TabSize=99999999999"}, "99999999999"},
        {{"--command", "beautify"}, "beautify"},
        {{"--command", "Full"}, "Full"},
        {{"--settings="}, "--settings"},
        {{"--settings", "a.reg", "--settings=b.reg"}, "once"},
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
}

TEST(FormatUsage, AfterEndOfOptionsEveryArgumentIsAFile)
{
    ScratchFolder folder;
    const std::string odd = folder.Write("--odd.cpp", "y;\n");
    const CliResult result = RunCli({"format", "--settings", folder.PathOf("none.reg"), "--", odd});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "y;\n");
}

} // namespace
