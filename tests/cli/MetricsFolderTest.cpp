// quillet-cli metrics over a folder: what each file's status says, the
// Markdown table, and totals beyond 32 bits.
#include "CliTestSupport.h"
#include "MetricsWriters.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace
{

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
        {"json", "\"lines\": 4294967294, \"comments\": 1,", "\"lines\": 8589934588, \"comments\": 2}"},
        {"text", "4294967294", "Total        8589934588"},
        {"markdown", "| **p** | 4294967294 | 1 |", "| **Total** | 8589934588 | 2 |"},
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
