// The workspace and project reader: the rows it adds, the SOURCE= lines it
// takes, the files that make it fail, and the real workspaces it must read.
#include "ProjectReader.h"
#include "ScratchFolder.h"
#include "TableRows.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

std::string SourceBlocks(const std::vector<std::string>& values)
{
    std::string text;
    for (const std::string& value : values)
        text += "# Begin Source File\n\nSOURCE=" + value + "\n# End Source File\n";
    return text;
}

// The example workspace's rows and counts are checked through quillet-cli
// metrics; here the loading texts and the folder the batch run starts from.
TEST(ProjectReader, ReportsEachItemAsItIsAdded)
{
    MetricsTable table;
    std::vector<std::string> status;
    CProjectReader reader(table, FrontEnd::Standalone, Counted,
                          [&](const std::string& text) { status.push_back(text); });
    std::string error;
    const std::string folder = std::string(QUILLET_SOURCE_DIR) + "/examples/workspace/";
    ASSERT_TRUE(reader.ReadWorkspace(folder + "example.dsw", error)) << error;
    EXPECT_EQ(folder, reader.WorkspaceDirectory());
    ASSERT_EQ(table.Size(), status.size());
    EXPECT_EQ("Adding project: calc.dsp", status[0]);
    EXPECT_EQ("Adding file: .\\calc.cpp", status[1]);
    EXPECT_EQ("Adding file: \"..\\shared\\mathutil.h\"", status[7]);
    EXPECT_EQ("Adding project: text util.dsp", status[10]);
}

TEST(ProjectReader, WorkspaceShapesAndFilesThatFailTheWholeLoad)
{
    struct Case
    {
        std::string workspace;
        bool loads;
        std::vector<std::string> rows;
        const char* errorNames;
    };
    const Case cases[] = {
        // A "Project: " line with no line feed before it is not found.
        {"Project: \"a\"=.\\a.dsp - Package Owner=<4>\n", true, {}, ""},
        // No space after the unquoted value: the value is empty, which names
        // the folder itself, so the load fails; an unclosed quote likewise.
        {"x\nProject: \"a\"=.\\a.dsp", false, {}, "w.dsw: a Project entry has no closing quote or space"},
        {"x\nProject: \"a\"=\".\\a.dsp - Package Owner=<4>\n", false, {}, "w.dsw: a Project entry"},
        // Text after a NUL byte is not read.
        {std::string("x\nProject: \"a\"=.\\a.dsp -\n") + '\0' + "\nProject: \"b\"=.\\b.dsp -\n",
         true,
         {"P|.\\a.dsp|0|0", "F|a.c|0|0"},
         ""},
        // One project file missing leaves the table empty, not half filled.
        {"x\nProject: \"a\"=.\\a.dsp -\r\nProject: \"b\"=\".\\my b.dsp\" -\r\n", false, {}, "my b.dsp"},
    };
    ScratchFolder folder;
    folder.Write("a.dsp", SourceBlocks({"a.c"}));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::PrintToString(c.workspace));
        folder.Write("w.dsw", c.workspace);
        MetricsTable table;
        std::string error;
        EXPECT_EQ(c.loads,
                  CProjectReader(table, FrontEnd::Standalone, Counted).ReadWorkspace(folder.PathOf("w.dsw"), error))
            << error;
        EXPECT_EQ(c.rows, Rows(table));
        EXPECT_NE(std::string::npos, error.find(c.errorNames)) << error;
    }
    MetricsTable table;
    std::string error;
    CProjectReader reader(table, FrontEnd::Standalone, Counted);
    EXPECT_FALSE(reader.ReadWorkspace(folder.PathOf("none.dsw"), error));
    EXPECT_NE(std::string::npos, error.find("none.dsw")) << error;
}

TEST(ProjectReader, AddInKeepsGoingPastAnUnreadableProjectAndKeepsWholeLineFeedValues)
{
    ScratchFolder folder;
    const std::string project =
        folder.Write("p/p.dsp", SourceBlocks({"a.c", "b.h"}) + "# Begin Custom Build\nSOURCE=$(InputPath)\n" +
                                    "# End Custom Build\n# Begin Source File\n\nSOURCE=last.c");
    folder.Write("p/a.c", "// a\n");
    folder.Write("p/last.c", "\n\n");
    folder.Write("empty/empty.dsp", "");
    MetricsTable table;
    CProjectReader reader(table, FrontEnd::AddIn, Counted);
    std::string error;
    EXPECT_FALSE(reader.AddProject(folder.PathOf("missing/missing.dsp"), error));
    EXPECT_TRUE(reader.AddProject(project, error)) << error;
    EXPECT_TRUE(reader.AddProject(folder.PathOf("empty/empty.dsp"), error)) << error;

    ASSERT_EQ(1u, reader.Failures().size());
    EXPECT_NE(std::string::npos, reader.Failures()[0].find("missing.dsp"));
    EXPECT_EQ((std::vector<std::string>{"P|missing.dsp|0|0", "P|p.dsp|3|1", "F|a.c|1|1", "F|b.h|0|0", "F|last.c|2|0",
                                        "P|empty.dsp|0|0"}),
              Rows(table));
    EXPECT_EQ(project, table.directories[1]);
    EXPECT_EQ(project.substr(0, project.size() - 5), table.directories[2]);
}

// Developer Studio quotes a path that holds a blank or leaves the project's
// folder: the row keeps the quotes, the count is the named file's.
TEST(ProjectSources, QuotedValuesAreCountedAsTheFilesTheyName)
{
    ScratchFolder folder;
    folder.Write("p/sub dir/a.c", "// a\nint a;\n");
    folder.Write("shared/b.h", "int b;\n");
    folder.Write("p/c.c", "int c;\n");
    const std::string project =
        folder.Write("p/p.dsp", SourceBlocks({"\"sub dir\\a.c\"", "\"..\\shared\\b.h\"", "\"gone.c\"", "\"c.c", "c.c\"",
                                              "\"$(InputPath)\"", "\"\""}));
    MetricsTable table;
    std::string error;
    ASSERT_TRUE(CProjectReader(table, FrontEnd::AddIn, Counted).AddProject(project, error)) << error;
    EXPECT_EQ((std::vector<std::string>{"P|p.dsp|3|1", "F|\"sub dir\\a.c\"|2|1", "F|\"..\\shared\\b.h\"|1|0",
                                        "F|\"gone.c\"|0|0", "F|\"c.c|0|0", "F|c.c\"|-1|-1", "F|\"$(InputPath)\"|-1|-1",
                                        "F|\"\"|-1|-1"}),
              Rows(table));
}

// Source-file markers without a SOURCE= line of their own take the next one
// further on, however many share it, as the reader always did.
TEST(ProjectSources, MarkersWithoutTheirOwnSourceLineShareTheNextOne)
{
    const std::string marker = "# Begin Source File\n";
    const struct
    {
        const char* title;
        std::string project;
        std::vector<std::string> names;
    } cases[] = {
        {"three share one",
         marker + marker + marker + "SOURCE=a.c\n" + marker + "SOURCE=b.c\n",
         {"a.c", "a.c", "a.c", "b.c"}},
        {"markers after the last line end the list", marker + "SOURCE=a.c\n" + marker + marker, {"a.c"}},
        {"no line at all", marker + marker, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.title);
        ScratchFolder folder;
        MetricsTable table;
        CProjectReader reader(table, FrontEnd::AddIn, Counted);
        std::string error;
        ASSERT_TRUE(reader.AddProject(folder.Write("p.dsp", c.project), error)) << error;
        EXPECT_EQ(c.names, std::vector<std::string>(table.names.begin() + 1, table.names.end()));
    }
}

// Real Developer Studio files, kept beside the source tree; the test says so
// when it skips because they are absent.
TEST(ProjectReader, EveryProjectAndSourceEntryOfRealWorkspacesIsRead)
{
    const std::string root = std::string(QUILLET_SOURCE_DIR) + "/../shared/fixtures/real-workspaces";
    if (!std::filesystem::is_directory(root))
        GTEST_SKIP() << "real workspaces not found at " << root;
    struct Case
    {
        const char* workspace;
        std::size_t projects;
        std::size_t sources;
        const char* firstProject; // named as written, without quotes
    };
    const Case cases[] = {
        {"freetype/freetype.dsw", 1, 46, ".\\freetype.dsp"},
        {"expat/expat.dsw", 7, 81, ".\\examples\\elements.dsp"},
        {"expat/tests/benchmark/benchmark.dsw", 2, 19, ".\\benchmark.dsp"},
        {"hlmviewer/msvc/Half Life Model Viewer.dsw", 2, 89, ".\\Half Life Model Viewer.dsp"},
        {"hlmviewer/mxtk/msvc/mxToolKit Win32.dsw", 1, 67, ".\\mxToolKit Win32.dsp"},
        {"zlib/zlib.dsw", 3, 37, ".\\example.dsp"},
        {"quakeworld/qw.dsw", 4, 209, ".\\qwfwd\\qwfwd.dsp"},
        {"quakeworld/client/qwcl.dsw", 1, 141, ".\\qwcl.dsp"},
        {"quakeworld/qwfwd/qwfwd.dsw", 1, 1, ".\\QWFwd.dsp"},
        {"quakeworld/server/qwsv.dsw", 1, 66, ".\\qwsv.dsp"},
        {"freetype-2000-scc/freetype.dsw", 4, 39, ".\\freetype.dsp"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.workspace);
        MetricsTable table;
        std::string error;
        ASSERT_TRUE(CProjectReader(table, FrontEnd::Standalone, Counted).ReadWorkspace(root + "/" + c.workspace, error))
            << error;
        ASSERT_LT(0u, table.Size());
        EXPECT_EQ(c.firstProject, table.names[0]);
        for (std::size_t i = 0; i < table.Size(); ++i)
        {
            const std::string& name = table.names[i];
            EXPECT_TRUE(!name.empty() && name.find_first_of("\r\n") == std::string::npos) << name;
            // Source files were not copied with the fixtures: countable names
            // read 0, the others -1, and every project totals 0.
            const int least = table.kinds[i] == RowKind::Project ? 0 : -1;
            EXPECT_TRUE((table.lineCounts[i] == 0 || table.lineCounts[i] == least) &&
                        (table.commentCounts[i] == 0 || table.commentCounts[i] == least))
                << name;
        }
        const std::size_t projects = std::count(table.kinds.begin(), table.kinds.end(), RowKind::Project);
        EXPECT_EQ(c.projects, projects);
        EXPECT_EQ(c.sources, table.Size() - projects);
    }
}

} // namespace
