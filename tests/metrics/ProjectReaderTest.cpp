#include "ProjectReader.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

std::string CrLf(std::string text)
{
    std::string out;
    for (const char c : text)
    {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string WorkspaceText(const std::vector<std::string>& projectLines)
{
    std::string text =
        "Microsoft Developer Studio Workspace File, Format Version 6.00\n"
        "# WARNING: DO NOT EDIT OR DELETE THIS WORKSPACE FILE!\n\n";
    for (const std::string& line : projectLines)
    {
        text += "###############################################################################\n\n";
        text += line + "\n\nPackage=<5>\n{{{\n}}}\n\nPackage=<4>\n{{{\n"
                "    Begin Project Dependency\n    Project_Dep_Name other lib\n    End Project Dependency\n}}}\n\n";
    }
    text += "###############################################################################\n\nGlobal:\n\n"
            "Package=<5>\n{{{\n}}}\n\n";
    return text;
}

std::string SourceBlock(const std::string& value)
{
    return "# Begin Source File\n\nSOURCE=" + value + "\n# End Source File\n";
}

std::string ProjectText(const std::vector<std::string>& values)
{
    std::string text = "# Microsoft Developer Studio Project File - Name=\"x\" - Package Owner=<4>\n"
                        "# Begin Project\n!IF  \"$(CFG)\" == \"x - Win32 Release\"\n!ENDIF \n\n"
                        "# Begin Target\n\n# Name \"x - Win32 Release\"\n"
                        "# Begin Group \"Source Files\"\n\n# PROP Default_Filter \"cpp;c\"\n";
    for (const std::string& value : values)
        text += SourceBlock(value);
    text += "# End Group\n# End Target\n# End Project\n";
    return text;
}

struct Row
{
    RowKind kind;
    std::string name;
    int lines;
    int comments;
};

std::vector<Row> Rows(const MetricsTable& table)
{
    std::vector<Row> rows;
    for (std::size_t i = 0; i < table.Size(); ++i)
        rows.push_back(Row{table.kinds[i], table.names[i], table.lineCounts[i], table.commentCounts[i]});
    return rows;
}

void ExpectRow(const Row& row, RowKind kind, const std::string& name, int lines, int comments)
{
    EXPECT_EQ(kind, row.kind) << name;
    EXPECT_EQ(name, row.name);
    EXPECT_EQ(lines, row.lines) << name;
    EXPECT_EQ(comments, row.comments) << name;
}

// Two projects in CR LF files: a quoted path with spaces, groups, custom
// build blocks, uncountable and missing files.
class StandaloneWorkspace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.Write("ws.dsw", CrLf(WorkspaceText({
                                   "Project: \"app\"=.\\app\\app.dsp - Package Owner=<4>",
                                   "Project: \"my lib\"=\".\\my lib\\my lib.dsp\" - Package Owner=<4>",
                               })));
        folder.Write("app/app.dsp",
                     CrLf(ProjectText({".\\main.cpp", ".\\app.rc", ".\\app.def", ".\\readme.txt", ".\\gone.c"}) +
                          "# Begin Custom Build - Assembling...\nSOURCE=$(InputPath)\n# End Custom Build\n"));
        folder.Write("app/main.cpp", "// main\nint main()\n{\n}\n");
        folder.Write("app/app.rc", "/* r\n*/\n");
        folder.Write("app/app.def", "EXPORTS\n");
        folder.Write("app/readme.txt", "x\n");
        folder.Write("my lib/my lib.dsp", CrLf(ProjectText({"..\\shared\\util.h", "\"..\\shared\\util.h\""})));
        folder.Write("shared/util.h", "// one\n// two\n");
    }

    TempFolder folder;
    MetricsTable table;
};

TEST_F(StandaloneWorkspace, RowsTotalsAndNamesAsWritten)
{
    std::vector<std::string> status;
    CProjectReader reader(table, CProjectReader::Flavour::Standalone,
                          [&](const std::string& text) { status.push_back(text); });
    std::string error;
    ASSERT_TRUE(reader.ReadWorkspace(folder.Path("ws.dsw"), error)) << error;
    EXPECT_EQ(folder.Directory(), reader.WorkspaceDirectory());

    const std::vector<Row> rows = Rows(table);
    ASSERT_EQ(9u, rows.size());
    ExpectRow(rows[0], RowKind::Project, ".\\app\\app.dsp", 4 + 2 + 1, 1 + 2);
    ExpectRow(rows[1], RowKind::SourceFile, ".\\main.cpp", 4, 1);
    ExpectRow(rows[2], RowKind::SourceFile, ".\\app.rc", 2, 2);
    ExpectRow(rows[3], RowKind::SourceFile, ".\\app.def", 1, -1);
    ExpectRow(rows[4], RowKind::SourceFile, ".\\readme.txt", -1, -1);
    ExpectRow(rows[5], RowKind::SourceFile, ".\\gone.c", 0, 0);
    // The quoted project path is taken without its quotes; its totals do
    // not include the first project's files.
    ExpectRow(rows[6], RowKind::Project, ".\\my lib\\my lib.dsp", 2, 2);
    ExpectRow(rows[7], RowKind::SourceFile, "..\\shared\\util.h", 2, 2);
    // A quoted source value keeps its quotes and is not countable.
    ExpectRow(rows[8], RowKind::SourceFile, "\"..\\shared\\util.h\"", -1, -1);

    ASSERT_EQ(9u, status.size());
    EXPECT_EQ("Adding project: app.dsp", status[0]);
    EXPECT_EQ("Adding file: .\\main.cpp", status[1]);
    EXPECT_EQ("Adding project: my lib.dsp", status[6]);
}

TEST_F(StandaloneWorkspace, MissingProjectFileFailsTheWholeLoad)
{
    std::filesystem::remove(folder.Path("my lib/my lib.dsp"));
    CProjectReader reader(table, CProjectReader::Flavour::Standalone);
    std::string error;
    EXPECT_FALSE(reader.ReadWorkspace(folder.Path("ws.dsw"), error));
    EXPECT_NE(std::string::npos, error.find("my lib.dsp")) << error;
    EXPECT_EQ(0u, table.Size());
}

TEST_F(StandaloneWorkspace, MissingWorkspaceIsReported)
{
    CProjectReader reader(table, CProjectReader::Flavour::Standalone);
    std::string error;
    EXPECT_FALSE(reader.ReadWorkspace(folder.Path("none.dsw"), error));
    EXPECT_NE(std::string::npos, error.find("none.dsw")) << error;
}

TEST(ProjectReader, WorkspaceShapesThatYieldNoOrEmptyValues)
{
    TempFolder folder;
    MetricsTable table;
    std::string error;

    // A "Project: " line with no line feed before it is not found.
    folder.Write("first.dsw", "Project: \"a\"=.\\a.dsp - Package Owner=<4>\n");
    folder.Write("a.dsp", ProjectText({}));
    EXPECT_TRUE(CProjectReader(table, CProjectReader::Flavour::Standalone).ReadWorkspace(folder.Path("first.dsw"), error));
    EXPECT_EQ(0u, table.Size());

    // No space after the unquoted value: the value is empty, which names the
    // folder itself, so the load fails.
    folder.Write("open.dsw", "x\nProject: \"a\"=.\\a.dsp");
    EXPECT_FALSE(CProjectReader(table, CProjectReader::Flavour::Standalone).ReadWorkspace(folder.Path("open.dsw"), error));
    EXPECT_EQ(0u, table.Size());

    // An unclosed quote likewise.
    folder.Write("quote.dsw", "x\nProject: \"a\"=\".\\a.dsp - Package Owner=<4>\n");
    EXPECT_FALSE(CProjectReader(table, CProjectReader::Flavour::Standalone).ReadWorkspace(folder.Path("quote.dsw"), error));

    // Text after a NUL byte is not read.
    folder.Write("zero.dsw", std::string("x\nProject: \"a\"=.\\a.dsp -\n") + '\0' + "\nProject: \"b\"=.\\b.dsp -\n");
    EXPECT_TRUE(CProjectReader(table, CProjectReader::Flavour::Standalone).ReadWorkspace(folder.Path("zero.dsw"), error))
        << error;
    ASSERT_EQ(1u, table.Size());
    ExpectRow(Rows(table)[0], RowKind::Project, ".\\a.dsp", 0, 0);
}

TEST(ProjectReader, LineFeedOnlyProjectKeepsWholeValues)
{
    TempFolder folder;
    folder.Write("p.dsp", ProjectText({"a.c", "b.h"}) + "# Begin Source File\n\nSOURCE=last.c");
    folder.Write("a.c", "\n");
    folder.Write("last.c", "\n\n");
    MetricsTable table;
    CProjectReader reader(table, CProjectReader::Flavour::AddIn);
    std::string error;
    ASSERT_TRUE(reader.AddProject(folder.Path("p.dsp"), error)) << error;
    const std::vector<Row> rows = Rows(table);
    ASSERT_EQ(4u, rows.size());
    ExpectRow(rows[1], RowKind::SourceFile, "a.c", 1, 0);
    ExpectRow(rows[2], RowKind::SourceFile, "b.h", 0, 0);
    ExpectRow(rows[3], RowKind::SourceFile, "last.c", 2, 0);
    ExpectRow(rows[0], RowKind::Project, "p.dsp", 3, 0);
}

TEST(ProjectReader, AddInKeepsGoingPastAnUnreadableProject)
{
    TempFolder folder;
    folder.Write("one/one.dsp", ProjectText({"x.cpp"}));
    folder.Write("one/x.cpp", "// x\n");
    folder.Write("empty/empty.dsp", ProjectText({}));
    MetricsTable table;
    CProjectReader reader(table, CProjectReader::Flavour::AddIn);
    std::string error;
    EXPECT_FALSE(reader.AddProject(folder.Path("missing/missing.dsp"), error));
    EXPECT_TRUE(reader.AddProject(folder.Path("one/one.dsp"), error));
    EXPECT_TRUE(reader.AddProject(folder.Path("empty/empty.dsp"), error));

    ASSERT_EQ(1u, reader.Failures().size());
    EXPECT_NE(std::string::npos, reader.Failures()[0].find("missing.dsp"));
    const std::vector<Row> rows = Rows(table);
    ASSERT_EQ(4u, rows.size());
    ExpectRow(rows[0], RowKind::Project, "missing.dsp", 0, 0);
    ExpectRow(rows[1], RowKind::Project, "one.dsp", 1, 1);
    ExpectRow(rows[2], RowKind::SourceFile, "x.cpp", 1, 1);
    ExpectRow(rows[3], RowKind::Project, "empty.dsp", 0, 0);
    EXPECT_EQ(folder.Path("one/one.dsp"), table.directories[1]);
    EXPECT_EQ(folder.Path("one/one.dsp").substr(0, folder.Path("one/one.dsp").size() - 7), table.directories[2]);
}

// Real Developer Studio files, read where the shared fixtures are present.
std::string FixtureFolder()
{
    for (const std::string& candidate : {std::string(QUILLET_SOURCE_DIR) + "/../shared/fixtures/real-workspaces",
                                         std::string("/work/shared/fixtures/real-workspaces")})
    {
        if (std::filesystem::is_directory(candidate))
            return candidate;
    }
    return {};
}

struct FixtureCase
{
    const char* workspace;
    std::size_t projects;
    std::size_t sources;
};

class RealWorkspaces : public ::testing::TestWithParam<FixtureCase>
{
};

TEST_P(RealWorkspaces, EveryProjectAndSourceEntryIsRead)
{
    const std::string root = FixtureFolder();
    if (root.empty())
        GTEST_SKIP() << "no real workspaces here";
    MetricsTable table;
    CProjectReader reader(table, CProjectReader::Flavour::Standalone);
    std::string error;
    ASSERT_TRUE(reader.ReadWorkspace(root + "/" + GetParam().workspace, error)) << error;

    std::size_t projects = 0;
    for (std::size_t i = 0; i < table.Size(); ++i)
    {
        if (table.kinds[i] == RowKind::Project)
        {
            ++projects;
            EXPECT_GE(table.lineCounts[i], 0);
            EXPECT_GE(table.commentCounts[i], 0);
            continue;
        }
        ASSERT_GT(projects, 0u);
        const std::string& name = table.names[i];
        ASSERT_FALSE(name.empty());
        EXPECT_EQ(std::string::npos, name.find_first_of("\r\n")) << name;
        // Source files were not copied with the fixtures: countable names
        // read 0, the others -1, none anything else.
        EXPECT_LE(table.lineCounts[i], 0) << name;
    }
    EXPECT_EQ(GetParam().projects, projects);
    EXPECT_EQ(GetParam().sources, table.Size() - projects);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RealWorkspaces,
                         ::testing::Values(FixtureCase{"freetype/freetype.dsw", 1, 46},
                                           FixtureCase{"expat/expat.dsw", 7, 81},
                                           FixtureCase{"expat/tests/benchmark/benchmark.dsw", 2, 19},
                                           FixtureCase{"hlmviewer/msvc/Half Life Model Viewer.dsw", 2, 89},
                                           FixtureCase{"hlmviewer/mxtk/msvc/mxToolKit Win32.dsw", 1, 67},
                                           FixtureCase{"zlib/zlib.dsw", 3, 37},
                                           FixtureCase{"quakeworld/qw.dsw", 4, 209},
                                           FixtureCase{"quakeworld/client/qwcl.dsw", 1, 141},
                                           FixtureCase{"quakeworld/qwfwd/qwfwd.dsw", 1, 1},
                                           FixtureCase{"quakeworld/server/qwsv.dsw", 1, 66},
                                           FixtureCase{"freetype-2000-scc/freetype.dsw", 4, 39}));

TEST(RealWorkspaceDetails, LineFeedOnlyValuesAreWholeAndQuotedPathsOpen)
{
    const std::string root = FixtureFolder();
    if (root.empty())
        GTEST_SKIP() << "no real workspaces here";
    MetricsTable table;
    CProjectReader reader(table, CProjectReader::Flavour::Standalone);
    std::string error;
    ASSERT_TRUE(reader.ReadWorkspace(root + "/quakeworld/qwfwd/qwfwd.dsw", error)) << error;
    ASSERT_EQ(2u, table.Size());
    EXPECT_EQ(".\\QWFwd.dsp", table.names[0]);
    EXPECT_EQ(".\\qwfwd.c", table.names[1]);

    MetricsTable viewer;
    CProjectReader viewerReader(viewer, CProjectReader::Flavour::Standalone);
    ASSERT_TRUE(viewerReader.ReadWorkspace(root + "/hlmviewer/msvc/Half Life Model Viewer.dsw", error)) << error;
    EXPECT_EQ(".\\Half Life Model Viewer.dsp", viewer.names[0]);
    EXPECT_NE(viewer.names.end(),
              std::find(viewer.names.begin(), viewer.names.end(), "..\\mxtk\\msvc\\mxToolKit Win32.dsp"));
}

} // namespace
