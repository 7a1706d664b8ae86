// quillet-cli metrics and batch on the bundled example workspace: the
// report's formats, rewriting in place and what a failure prints.
#include "BatchCommand.h"
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{

const std::string ExampleFolder = std::string(QUILLET_SOURCE_DIR) + "/examples/workspace";

// A writable copy of the bundled example workspace.
class ExampleCopy : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::copy(ExampleFolder, folder.PathOf("ws"), std::filesystem::copy_options::recursive);
        workspace = folder.PathOf("ws/example.dsw");
    }

    ScratchFolder folder;
    std::string workspace;
};

TEST(MetricsCommand, TextListsTheReportColumns)
{
    const CliResult result = RunCli({"metrics", ExampleFolder + "/example.dsw"});
    ASSERT_EQ(0, result.status) << result.err;
    EXPECT_EQ("", result.err);
    EXPECT_EQ("File                            Lines  Comments\n"
              ".\\calc\\calc.dsp                    98        14\n"
              "        .\\calc.cpp                 21         5\n"
              "        .\\parser.c                 45         1\n"
              "        .\\history.cpp               0         0\n"
              "        .\\calc.def                  4        NA\n"
              "        .\\calc.h                    7         1\n"
              "        .\\parser.h                  7         1\n"
              "        \"..\\shared\\mathutil.h\"     NA        NA\n"
              "        .\\calc.rc                  14         6\n"
              "        .\\res\\calc.ico             NA        NA\n"
              ".\\text util\\text util.dsp          33         6\n"
              "        .\\wordcount.c              21         4\n"
              "        .\\Tokens.CPP               10         1\n"
              "        .\\tokens.h                  2         1\n"
              "        .\\README.txt               NA        NA\n"
              ".\\shared\\shared.dsp                28         3\n"
              "        .\\mathutil.c                8         1\n"
              "        .\\mathutil.h               15         1\n"
              "        .\\mathutil.inl              5         1\n",
              result.out);
}

TEST(MetricsCommand, CsvAndJsonCarryRawCounts)
{
    const CliResult csv = RunCli({"metrics", ExampleFolder + "/example.dsw", "--format", "csv"});
    ASSERT_EQ(0, csv.status) << csv.err;
    std::istringstream lines(csv.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(20u, rows.size());
    EXPECT_EQ("kind,project,name,lines,comments", rows[0]);
    EXPECT_EQ("project,.\\calc\\calc.dsp,.\\calc\\calc.dsp,98,14", rows[1]);
    EXPECT_EQ("file,.\\calc\\calc.dsp,.\\calc.def,4,-1", rows[5]);
    EXPECT_EQ("file,.\\calc\\calc.dsp,\"\"\"..\\shared\\mathutil.h\"\"\",-1,-1", rows[8]);

    const CliResult json = RunCli({"metrics", "--format=json", ExampleFolder + "/example.dsw"});
    ASSERT_EQ(0, json.status) << json.err;
    EXPECT_EQ(0u, json.out.find("[\n  {\"kind\": \"project\", \"project\": \".\\\\calc\\\\calc.dsp\", \"name\": "
                                "\".\\\\calc\\\\calc.dsp\", \"lines\": 98, \"comments\": 14},\n"));
    EXPECT_NE(std::string::npos, json.out.find("\"name\": \"\\\"..\\\\shared\\\\mathutil.h\\\"\", \"lines\": -1"));
    EXPECT_EQ("}\n]\n", json.out.substr(json.out.size() - 4));
}

TEST(MetricsCommand, JsonStaysValidForAnsiNames)
{
    ScratchFolder folder;
    folder.Write("w.dsw", "x\nProject: \"p\"=p.dsp - Package Owner=<4>\n");
    folder.Write("p.dsp", "# Begin Source File\n\nSOURCE=Gr\xf6\xdf"
                          "e.c\n# Begin Source File\n\nSOURCE=\xc3\xa9t\xc3\xa9.c\n");
    const CliResult json = RunCli({"metrics", folder.PathOf("w.dsw"), "--format", "json"});
    ASSERT_EQ(0, json.status) << json.err;
    EXPECT_NE(std::string::npos, json.out.find("\"Gr\\u00f6\\u00dfe.c\""));
    EXPECT_NE(std::string::npos, json.out.find("\"\xc3\xa9t\xc3\xa9.c\""));
}

TEST_F(ExampleCopy, UnreadableProjectFileFailsNamingIt)
{
    std::filesystem::remove(folder.PathOf("ws/shared/shared.dsp"));
    const CliResult result = RunCli({"metrics", workspace});
    EXPECT_EQ(2, result.status);
    EXPECT_EQ("", result.out);
    EXPECT_NE(std::string::npos, result.err.find("shared.dsp")) << result.err;
    EXPECT_EQ(2, RunCli({"batch", workspace, "--command", "reindent"}).status);
}

// The other usage errors and their wording are CliUsage's tests.
TEST(BatchCommand, NeedsACommandAndAFileOfTheWorkspace)
{
    const std::string ws = ExampleFolder + "/example.dsw";
    EXPECT_EQ(2, RunCli({"batch", ws}).status);
    EXPECT_EQ(2, RunCli({"batch", ws, "--command", "reindent", "--file", "nope.c"}).status);
}

TEST_F(ExampleCopy, CheckListsChangesAndWritesNothing)
{
    const std::string before = folder.Read("ws/calc/calc.cpp");
    const CliResult result = RunCli({"batch", workspace, "--command", "reindent", "--check"});
    EXPECT_EQ(1, result.status) << result.err;
    EXPECT_NE(std::string::npos, result.out.find("calc\\calc.cpp\n")) << result.out;
    // Already indented, a quoted name, a missing file, not formattable.
    for (const char* unchanged : {"calc\\parser.c", "mathutil.h\"", "history.cpp", "calc.rc", "README"})
        EXPECT_EQ(std::string::npos, result.out.find(unchanged)) << unchanged;
    EXPECT_EQ(before, folder.Read("ws/calc/calc.cpp"));
}

TEST_F(ExampleCopy, BatchRewritesTheChosenFilesKeepingCrLf)
{
    const std::string parser = folder.Read("ws/calc/parser.c");
    const std::string words = folder.Read("ws/text util/wordcount.c");
    const CliResult result =
        RunCli({"batch", workspace, "--command", "reindent", "--project", "calc", "--file", "mathutil.inl"});
    ASSERT_EQ(0, result.status) << result.err;
    EXPECT_NE(std::string::npos, result.err.find("history.cpp: skipped")) << result.err;

    const std::string calc = folder.Read("ws/calc/calc.cpp");
    EXPECT_NE(std::string::npos, calc.find("\r\n    return 0;\r\n}\r\n")) << calc;
    EXPECT_EQ(std::string::npos, calc.find("\n\n"));
    EXPECT_NE(std::string::npos, folder.Read("ws/shared/mathutil.inl").find("\r\n    return SafeDivide"));
    EXPECT_EQ(parser, folder.Read("ws/calc/parser.c"));
    EXPECT_EQ(words, folder.Read("ws/text util/wordcount.c"));
}

TEST_F(ExampleCopy, WriteFailureIsReportedAndTheRunGoesOn)
{
    const std::string inl = folder.Read("ws/shared/mathutil.inl");
    folder.MakeReadOnly("ws/shared/mathutil.inl");
    const CliResult result = RunCli({"batch", workspace, "--command", "reindent"});
    EXPECT_EQ(2, result.status);
    EXPECT_NE(std::string::npos, result.err.find("quillet-cli: shared\\mathutil.inl: cannot be written: read-only"))
        << result.err;
    EXPECT_EQ(inl, folder.Read("ws/shared/mathutil.inl"));
    EXPECT_NE(std::string::npos, folder.Read("ws/calc/calc.cpp").find("\r\n    return 0;\r\n"));
}

TEST_F(ExampleCopy, OnlyTheNamedProjectIsFormattedAndItsFilesCounted)
{
    const CliResult result = RunCli({"batch", workspace, "--check", "--settings", folder.PathOf("none.reg"),
                                     "--command", "reindent", "--project=shared"});
    EXPECT_EQ(result.out.find("calc"), std::string::npos) << result.out;
    EXPECT_NE(result.err.find("quillet-cli: [3/3] Formatting file: .\\mathutil.inl\n"), std::string::npos)
        << result.err;
}

TEST(BatchCommand, WorkspaceRelativeNames)
{
    EXPECT_EQ("app\\main.cpp", WorkspaceRelativeName(".\\app\\.\\main.cpp"));
    EXPECT_EQ("..\\x\\y.c", WorkspaceRelativeName("..\\x\\\\y.c"));
    EXPECT_EQ("a.c", WorkspaceRelativeName("a.c"));
}

} // namespace
