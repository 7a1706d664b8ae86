#include "CliTestSupport.h"

#include <gtest/gtest.h>

namespace
{

// A usage error stops before any input is read or written and names the
// argument that was wrong.
void ExpectUsageError(const std::vector<std::string>& args, const std::string& named)
{
    const CliResult result = RunCli(args, "int x;\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(named), std::string::npos) << result.err;
}

TEST(FormatUsage, BadArgumentsAreUsageErrorsNamingTheArgument)
{
    ExpectUsageError({"format", "--option", "TabSiz=4"}, "TabSiz");
    ExpectUsageError({"format", "--option", "tabsize=4"}, "tabsize");
    ExpectUsageError({"format", "--option", "TabSize=x"}, "TabSize=x");
    ExpectUsageError({"format", "--option", "TabSize="}, "TabSize=");
    ExpectUsageError({"format", "--option", "TabSize"}, "TabSize");
    ExpectUsageError({"format", "--option", "TabSize=-1"}, "TabSize=-1");
    ExpectUsageError({"format", "--option", "TabSize=21"}, "TabSize=21");
    ExpectUsageError({"format", "--option", "OperatorSpace=3"}, "OperatorSpace=3");
    ExpectUsageError({"format", "--option", "RecalculateIndents=2"}, "RecalculateIndents=2");
    ExpectUsageError({"format", "--option", "TabSize=99999999999"}, "TabSize=99999999999");
    ExpectUsageError({"format", "--command", "beautify"}, "beautify");
    ExpectUsageError({"format", "--command", "Full"}, "Full");
    ExpectUsageError({"format", "--frobnicate"}, "--frobnicate");
    ExpectUsageError({"format", "-x"}, "-x");
    ExpectUsageError({"format", "--option"}, "--option");
    ExpectUsageError({"format", "--command"}, "--command");
    ExpectUsageError({"format", "--settings"}, "--settings");
    ExpectUsageError({"format", "--command", "full", "--command", "tabify"}, "--command");
    ExpectUsageError({"format", "--in-place", "--check", "a.cpp"}, "--check");
    ExpectUsageError({"format", "--in-place"}, "--in-place");
    ExpectUsageError({"reformat"}, "reformat");
}

TEST(FormatUsage, NoCommandIsAUsageError)
{
    const CliResult result = RunCli({});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("format"), std::string::npos);
}

TEST(FormatUsage, ValueFormsAndEndOfOptionsAreAccepted)
{
    ScratchFolder folder;
    const std::string settings = folder.PathOf("none.reg");
    // "--name=VALUE" as well as "--name VALUE".
    CliResult result = RunCli({"format", "--settings=" + settings, "--command=untabify", "--option=TabSize=1"}, "\tx;\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, " x;\n");

    // After "--" a name that looks like an option is a file.
    const std::string odd = folder.Write("--odd.cpp", "y;\n");
    result = RunCli({"format", "--settings", settings, "--", odd});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "y;\n");
}

TEST(FormatUsage, HelpDocumentsTheInterface)
{
    for (const auto& args : {std::vector<std::string>{"--help"}, std::vector<std::string>{"format", "--help"}})
    {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find("format"), std::string::npos);
    }
    const std::string help = RunCli({"format", "--help"}).out;
    for (const char* word :
         {"--settings", "--command", "--option", "--in-place", "--check", "full", "reindent", "tabify", "untabify",
          "operator-expand", "operator-contract", "parentheses-expand", "parentheses-contract",
          "delete-trailing-whitespace", "TabSize", "IndentSize", "SpaceTabStyle", "OpenIndentStyle",
          "OpenNewLineStyle", "CloseIndentStyle", "CloseNewLineStyle", "ParenthesesSpace", "OperatorSpace",
          "DeleteTrailingWhiteSpace", "RecalculateIndents", "SpellCheckComments", "SpellCheckText", "CR LF",
          "NUL", "Exit status"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

} // namespace
