// quillet-cli metrics and batch on the bundled example workspace: the
// report's formats, rewriting in place and what a failure prints; metrics
// over a folder and totals beyond 32 bits.
#include "CliTestSupport.h"
#include "MetricsWriters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <sstream>

namespace
{

const std::string ExampleFolder = std::string(QUILLET_SOURCE_DIR) + "/examples/workspace";

// A writable copy of the bundled example workspace.
class ExampleCopy : public ::testing::Test
{
protected:
    ScratchFolder folder;
    const std::string workspace = folder.Copy(ExampleFolder, "ws") + "/example.dsw";
};

TEST(MetricsCommand, TextListsTheReportColumns)
{
    const CliResult result = RunCli({"metrics", ExampleFolder + "/example.dsw"});
    ASSERT_EQ(0, result.status) << result.err;
    EXPECT_EQ(0u, result.err.find("quillet-cli: warning: " + ExampleFolder)) << result.err;
    EXPECT_EQ("history.cpp: missing, counted as 0\n", result.err.substr(result.err.rfind('.') - 7)) << result.err;
    EXPECT_EQ("File                            Lines  Comments\n"
              ".\\calc\\calc.dsp                   113        15\n"
              "        .\\calc.cpp                 21         5\n"
              "        .\\parser.c                 45         1\n"
              "        .\\history.cpp               0         0  (missing)\n"
              "        .\\calc.def                  4        NA\n"
              "        .\\calc.h                    7         1\n"
              "        .\\parser.h                  7         1\n"
              "        \"..\\shared\\mathutil.h\"     15         1\n"
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
              "        .\\mathutil.inl              5         1\n"
              "Total                             174        24\n",
              result.out);
}

TEST(MetricsCommand, CsvAndJsonCarryRawCounts)
{
    const CliResult csv = RunCli({"metrics", ExampleFolder + "/example.dsw", "--format", "csv"});
    ASSERT_EQ(0, csv.status) << csv.err;
    EXPECT_EQ(21, std::count(csv.out.begin(), csv.out.end(), '\n'));
    EXPECT_EQ(0u, csv.out.find("kind,project,name,lines,comments,status\n"
                               "project,.\\calc\\calc.dsp,.\\calc\\calc.dsp,113,15,counted\n"));
    EXPECT_TRUE(Contains(csv.out, "\nfile,.\\calc\\calc.dsp,.\\history.cpp,0,0,missing\n"
                                  "file,.\\calc\\calc.dsp,.\\calc.def,4,-1,counted\n"));
    EXPECT_TRUE(Contains(csv.out, "\nfile,.\\calc\\calc.dsp,\"\"\"..\\shared\\mathutil.h\"\"\",15,1,counted\n"));
    EXPECT_EQ("\ntotal,,,174,24,\n", csv.out.substr(csv.out.rfind("\ntotal")));

    const CliResult json = RunCli({"metrics", "--format=json", ExampleFolder + "/example.dsw"});
    ASSERT_EQ(0, json.status) << json.err;
    EXPECT_EQ(
        0u, json.out.find("[\n  {\"kind\": \"project\", \"project\": \".\\\\calc\\\\calc.dsp\", \"name\": "
                          "\".\\\\calc\\\\calc.dsp\", \"lines\": 113, \"comments\": 15, \"status\": \"counted\"},\n"));
    EXPECT_TRUE(Contains(json.out, "\"name\": \"\\\"..\\\\shared\\\\mathutil.h\\\"\", \"lines\": 15"));
    EXPECT_EQ(",\n  {\"kind\": \"total\", \"lines\": 174, \"comments\": 24}\n]\n",
              json.out.substr(json.out.rfind(",\n")));
}

TEST(MetricsCommand, CsvAndJsonAreUtf8WhateverTheNames)
{
    // A name that is not UTF-8 as a whole is Windows-1252, byte by byte.
    const struct
    {
        const char* name;
        const char* utf8;
    } cases[] = {
        {"\xc3\xa9t\xc3\xa9.c", "\xc3\xa9t\xc3\xa9.c"}, // UTF-8 already
        {"Gr\xf6\xdf"
         "e.c",
         "Gr\xc3\xb6\xc3\x9f"
         "e.c"},                                                              // Latin letters
        {"\x80\x81\x9f.c", "\xe2\x82\xac\xc2\x81\xc5\xb8.c"},                 // the 0x80 to 0x9F block
        {"\xc0\xaf.c", "\xc3\x80\xc2\xaf.c"},                                 // overlong '/'
        {"\xed\xa0\x80.c", "\xc3\xad\xc2\xa0\xe2\x82\xac.c"},                 // a surrogate
        {"\xf4\x90\x80\x80.c", "\xc3\xb4\xc2\x90\xe2\x82\xac\xe2\x82\xac.c"}, // above U+10FFFF
        {"\xc3.c", "\xc3\x83.c"},                                             // cut short
    };
    for (const auto& c : cases)
    {
        ScratchFolder folder;
        folder.Write("w.dsw", "x\nProject: \"p\"=p.dsp - Package Owner=<4>\n");
        folder.Write("p.dsp", std::string("# Begin Source File\n\nSOURCE=") + c.name + "\n");
        const CliResult json = RunCli({"metrics", folder.PathOf("w.dsw"), "--format", "json"});
        EXPECT_TRUE(Contains(json.out, std::string("\"name\": \"") + c.utf8 + "\""));
        const CliResult csv = RunCli({"metrics", folder.PathOf("w.dsw"), "--format", "csv"});
        EXPECT_TRUE(Contains(csv.out, std::string(",") + c.utf8 + ","));
    }
}

TEST_F(ExampleCopy, UnreadableProjectFileFailsNamingIt)
{
    std::filesystem::remove(folder.PathOf("ws/shared/shared.dsp"));
    const CliResult result = RunCli({"metrics", workspace});
    EXPECT_EQ(2, result.status);
    EXPECT_EQ("", result.out);
    EXPECT_TRUE(Contains(result.err, "shared.dsp"));
    EXPECT_EQ(2, RunCli({"batch", workspace, "--command", "reindent"}).status);
}

TEST_F(ExampleCopy, BatchRewritesTheChosenFilesKeepingCrLf)
{
    const auto untouched = [&] { return folder.Read("ws/calc/parser.c") + folder.Read("ws/text util/wordcount.c"); };
    const std::string before = untouched();
    const CliResult result =
        RunCli({"batch", workspace, "--command", "reindent", "--project", "calc", "--file", "mathutil.inl"});
    ASSERT_EQ(0, result.status) << result.err;
    EXPECT_TRUE(Contains(result.err, "history.cpp: skipped"));
    EXPECT_TRUE(Contains(result.err, "quillet-cli: [6/7] Formatting file: .\\mathutil.inl\n"));

    const std::string calc = folder.Read("ws/calc/calc.cpp");
    EXPECT_NE(std::string::npos, calc.find("\r\n    return 0;\r\n}\r\n")) << calc;
    EXPECT_EQ(std::string::npos, calc.find("\n\n"));
    EXPECT_NE(std::string::npos, folder.Read("ws/shared/mathutil.inl").find("\r\n    return SafeDivide"));
    // calc names it "..\shared\mathutil.h", in quotes.
    EXPECT_TRUE(Contains(folder.Read("ws/shared/mathutil.h"), "\r\n    double SafeDivide"));
    EXPECT_EQ(before, untouched());
}

TEST_F(ExampleCopy, WriteFailureIsReportedAndTheRunGoesOn)
{
    // The first file of the first project, so that every other one comes after it.
    const std::string calc = folder.Read("ws/calc/calc.cpp");
    folder.MakeReadOnly("ws/calc/calc.cpp");
    const CliResult result = RunCli({"batch", workspace, "--command", "reindent"});
    EXPECT_EQ(2, result.status);
    EXPECT_TRUE(Contains(result.err, "quillet-cli: calc\\calc.cpp: cannot be written: read-only"));
    EXPECT_EQ(calc, folder.Read("ws/calc/calc.cpp"));
    EXPECT_TRUE(Contains(folder.Read("ws/shared/mathutil.inl"), "\r\n    return SafeDivide"));
}

TEST_F(ExampleCopy, BatchLeavesOutExcludedFilesAndFindsTheTeamSettings)
{
    const std::string none = folder.PathOf("none.reg");
    CliResult result = RunCli({"batch", workspace, "--command", "operator-expand", "--check", "--settings", none,
                               "--exclude", "shared", "--exclude=calc/parser.*"});
    EXPECT_EQ(1, result.status) << result.err;
    EXPECT_EQ("calc\\calc.cpp:9: would reformat\ntext util\\wordcount.c:11: would reformat\n", result.out);

    // A team file above the workspace gives what naming it does.
    const std::string team = std::string(QUILLET_SOURCE_DIR) + "/tests/cli/data/settings.reg";
    const std::string named = RunCli({"batch", workspace, "--command", "full", "--check", "--settings", team}).out;
    std::filesystem::copy_file(team, folder.PathOf(".quillet.reg"));
    result = RunCli({"batch", workspace, "--command", "full", "--check"});
    EXPECT_EQ(named, result.out);
    EXPECT_NE(RunCli({"batch", workspace, "--command", "full", "--check", "--settings", none}).out, result.out);
}

TEST(MetricsFolder, CountsTheFoldersSourcesAndMarksWhatCannotBeRead)
{
    ScratchFolder folder;
    folder.Write("a_tree/a.c", "// one\nint a;\n");
    folder.Write("a_tree/sub/b.H", "int b;\n");
    folder.Write("a_tree/gen/c.cpp", "int c;\n");
    folder.Write("a_tree/.git/d.c", "int d;\n");
    folder.Write("a_tree/skip.txt", "x\n");
    const std::string tree = folder.PathOf("a_tree");
    const std::string list = folder.Write("list.txt", tree + "/a.c\n" + tree + "/gone.cpp\n" + tree + "/skip.txt\n");

    // An extension asked for is counted too.
    CliResult result = RunCli({"metrics", tree, "--exclude", "gen", "--format", "csv", "--extensions=txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string project = tree + "," + tree;
    EXPECT_EQ(result.out, "kind,project,name,lines,comments,status\nproject," + project + ",4,1,counted\nfile," +
                              project + "/a.c,2,1,counted\nfile," + project + "/skip.txt,1,0,counted\nfile," + project +
                              "/sub/b.H,1,0,counted\ntotal,,,4,1,\n");

    result = RunCli({"metrics", "--files-from", list, "--format=markdown"});
    EXPECT_EQ(result.status, 0) << result.err;
    // Markdown escapes the folder's underscores and backslashes.
    std::string shown;
    for (const char c : tree)
        shown += std::string(c == '_' || c == '\\' ? "\\" : "") + c;
    EXPECT_EQ(result.out, "| File | Lines | Comments | Status |\n|:--|--:|--:|:--|\n| **files** | 2 | 1 | |\n| " +
                              shown + "/a.c | 2 | 1 | counted |\n| " + shown + "/gone.cpp | 0 | 0 | missing |\n| " +
                              shown + "/skip.txt | NA | NA | not-counted |\n| **Total** | 2 | 1 | |\n");
    EXPECT_TRUE(Contains(result.err, "gone.cpp: missing, counted as 0\n"));

    // A project's source that is a folder cannot be read.
    std::filesystem::create_directories(folder.PathOf("dir.c"));
    folder.Write("w.dsw", "x\nProject: \"p\"=p.dsp - Package Owner=<4>\n");
    folder.Write("p.dsp", "# Begin Source File\n\nSOURCE=dir.c\r\n");
    result = RunCli({"metrics", folder.PathOf("w.dsw")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(Contains(result.out, "        dir.c      0         0  (unreadable)\n"));
    EXPECT_TRUE(Contains(result.err, "dir.c: cannot be read (is a directory), counted as 0\n"));
}

TEST(MetricsFolder, TotalsBeyondTwoToThe31AreShownWhole)
{
    // Two projects near the int limit each; sums are only the writers' job.
    MetricsTable table;
    for (const char* project : {"p", "q"})
    {
        table.Append(RowKind::Project, project, INT_MAX, INT_MAX, "");
        table.Append(RowKind::SourceFile, "a.c", INT_MAX, 1, "");
        table.Append(RowKind::SourceFile, "b.c", INT_MAX, -1, "");
    }
    const MetricsReport report = BuildMetricsReport(table, {});
    const struct
    {
        const char* form;
        const char* projectRow;
        const char* totalRow;
    } cases[] = {
        {"csv", "project,p,p,4294967294,1,", "total,,,8589934588,2,"},
        {"text", "4294967294", "Total        8589934588"},
    };
    for (const auto& c : cases)
    {
        std::ostringstream out;
        FindMetricsOutputForm(c.form)->write(report, out);
        EXPECT_NE(out.str().find(c.projectRow), std::string::npos) << c.form << "\n" << out.str();
        EXPECT_NE(out.str().find(c.totalRow), std::string::npos) << c.form << "\n" << out.str();
    }
}

} // namespace
