// Visual Studio solutions and their XML projects. The same tables run in the
// native build (libxml2) and under Wine (MSXML): both must give these rows.
#include "ProjectReader.h"
#include "ScratchFolder.h"
#include "TableRows.h"

#include <gtest/gtest.h>

namespace
{

std::string SolutionLine(const std::string& type, const std::string& name, const std::string& path)
{
    return "Project(\"{" + type + "}\") = \"" + name + "\", \"" + path +
           "\", \"{5D9C2C1E-0000-0000-0000-000000000001}\"";
}
const std::string Cpp = "8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942";

std::string Items(const std::string& items)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Project "
           "xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\n<ItemGroup>\n" +
           items + "\n</ItemGroup>\n</Project>\n";
}

// The hand-written solution in tests/data holds what the real ones lack: a
// byte-order mark, LF line ends, a solution folder, C# and web projects to
// pass over, and a .vcxproj with filters, wildcards, Exclude=, Remove=,
// $(...) items, %20, %3B and &amp;, items of a target and item definitions;
// its .vcproj is Windows-1252 with nested filters.
TEST(SolutionReader, HandWrittenSolutionListsEveryItemAsWritten)
{
    MetricsTable table;
    std::vector<std::string> status;
    CProjectReader reader(table, FrontEnd::Standalone, Counted,
                          [&](const std::string& text) { status.push_back(text); });
    std::string error;
    const std::string folder = std::string(QUILLET_SOURCE_DIR) + "/tests/data/solution/";
    ASSERT_TRUE(reader.ReadWorkspace(folder + "mixed.sln", error)) << error;
    EXPECT_EQ(folder, reader.WorkspaceDirectory());
    // "café.c" in the file-name text of the system.
    const std::string cafe = WindowsHost ? "caf\xE9.c" : "caf\xC3\xA9.c";
    EXPECT_EQ((std::vector<std::string>{
                  "P|app\\app.vcxproj|19|9", "F|src\\main.cpp|5|1", "F|src\\util.cpp|3|3", "F|src\\gen\\deep.cpp|2|1",
                  "F|my file.cpp|2|1", "F|$(IntDir)generated.cpp|-1|-1", "F|missing.cpp|0|0", "F|R&D.h|1|1",
                  "F|a;b.h|2|1", "F|src\\old.cpp|1|0", "F|app.rc|2|1", "F|app.idl|1|0", "F|notes.txt|-1|-1",
                  "F|readme.md|-1|-1", "P|old\\old.VCPROJ|10|6", "F|.\\old.c|2|1", "F|..\\app\\src\\util.cpp|3|3",
                  "F|.\\" + cafe + "|3|1", "F|.\\OLD.C|2|1"}),
              Rows(table));
    ASSERT_EQ(table.Size(), status.size());
    EXPECT_EQ("Adding project: app.vcxproj", status[0]);
    EXPECT_EQ("Adding file: $(IntDir)generated.cpp", status[5]);
}

TEST(SolutionReader, SolutionShapesAndFilesThatFailTheWholeLoad)
{
    struct Case
    {
        const char* title;
        std::string solution;
        bool loads;
        std::vector<std::string> rows;
        const char* errorNames;
    };
    const std::string p = SolutionLine(Cpp, "p", "p.vcxproj");
    const Case cases[] = {
        {"CR LF, no byte-order mark, a blank in the path, an extension in capitals",
         "\r\n" + SolutionLine(Cpp, "q", "q dir\\Q.VCXPROJ") + "\r\nEndProject\r\n" + p + "\r\nEndProject\r\n",
         true,
         {"P|q dir\\Q.VCXPROJ|0|0", "P|p.vcxproj|1|0", "F|a.c|1|0"},
         ""},
        {"no project at all", "Microsoft Visual Studio Solution File, Format Version 12.00\n", true, {}, ""},
        {"a Project line whose path is not quoted",
         "\n" + p + "\nProject(\"{" + Cpp + "}\") = \"x\", x.vcxproj\n",
         false,
         {},
         "s.sln: line 3: a Project line"},
        {"a project file that is missing leaves nothing half read",
         p + "\n" + SolutionLine(Cpp, "gone", "gone\\gone.vcxproj") + "\n",
         false,
         {},
         "gone.vcxproj"},
    };
    ScratchFolder folder;
    folder.Write("p.vcxproj", Items("<ClCompile Include=\"a.c\" />"));
    folder.Write("a.c", "int a;\n");
    folder.Write("q dir/Q.vcxproj", Items(""));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.title);
        folder.Write("s.sln", c.solution);
        MetricsTable table;
        std::string error;
        EXPECT_EQ(c.loads,
                  CProjectReader(table, FrontEnd::Standalone, Counted).ReadWorkspace(folder.PathOf("s.sln"), error))
            << error;
        EXPECT_EQ(c.rows, Rows(table));
        EXPECT_NE(std::string::npos, error.find(c.errorNames)) << error;
    }
}

TEST(XmlProjectReader, ItemsAndTheProjectFilesThatCannotBeRead)
{
    struct Case
    {
        const char* title;
        const char* file;
        std::string project;
        std::vector<std::string> names; // after the project's own row
        const char* errorNames;         // empty when the project is read
    };
    // Little-endian UTF-16, as an editor may save a project.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("<File RelativePath=\"w.c\"/>"))
        utf16 += std::string{c, '\0'};
    const Case cases[] = {
        {"Remove= takes its own type only, by wildcard",
         "p.vcxproj",
         Items("<ClCompile Include=\"a.c;b.c;c.h\" /><ClInclude Include=\"d.c\" /><ClCompile Remove=\"*.c\" />"),
         {"c.h", "d.c"},
         ""},
        {"Remove= names a path however it is spelled",
         "p.vcxproj",
         Items("<ClCompile Include=\"sub\\a.c;sub\\b.c\" /><ClCompile Remove=\".\\SUB/x\\..\\a.c;$(X)\" />"),
         {"sub\\b.c"},
         ""},
        {"an escaped '*' is no wildcard; a wildcard that matches nothing adds nothing",
         "p.vcxproj",
         Items("<None Include=\"x%2A.c;none\\*.c\" />"),
         {"x*.c"},
         ""},
        {"a wildcard that would search the whole drive is listed as written",
         "p.vcxproj",
         Items("<ClCompile Include=\"..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\**\\*.c\" />"),
         {"..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\**\\*.c"},
         ""},
        {"UTF-16 with its byte-order mark", "p.vcproj", utf16, {"w.c"}, ""},
        {"not well-formed", "p.vcxproj", "<Project><ItemGroup></Project>", {}, "p.vcxproj: "},
        {"a document type declaration is refused",
         "p.vcxproj",
         "<!DOCTYPE Project [<!ENTITY e \"x.c\">]><Project><ItemGroup><None Include=\"&e;\"/></ItemGroup></Project>",
         {},
         "p.vcxproj: "},
        {"not XML at all", "p.vcproj", "# Begin Source File\nSOURCE=a.c\n", {}, "p.vcproj: "},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.title);
        ScratchFolder folder;
        const std::string project = folder.Write(std::string("p/") + c.file, c.project);
        MetricsTable table;
        std::string error;
        CProjectReader reader(table, FrontEnd::AddIn, Counted);
        EXPECT_EQ(*c.errorNames == '\0', reader.AddProject(project, error)) << error;
        EXPECT_EQ(c.names, std::vector<std::string>(table.names.begin() + 1, table.names.end()));
        EXPECT_EQ(c.file, table.names[0]);
        EXPECT_EQ(project, table.directories[0]);
        if (*c.errorNames)
        {
            ASSERT_EQ(1u, reader.Failures().size());
            EXPECT_NE(std::string::npos, reader.Failures()[0].find(c.errorNames)) << reader.Failures()[0];
        }
    }
}

// The real solutions beside the source tree, with the sources they name,
// give the rows counted by hand, each project as "name|files|lines|files at
// 0": every item, the files absent from zlib's tree (old headers, the test
// program's folder) at 0, line totals as wc -l adds them up.
TEST(SolutionReader, RealSolutionsGiveTheRowsCountedByHand)
{
    const std::string root =
        std::string(QUILLET_SOURCE_DIR) + "/../shared/fixtures/real-solutions/zlib/contrib/vstudio/";
    if (!std::filesystem::is_directory(root))
        GTEST_SKIP() << "real solutions not found at " << root;
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"vc9/zlibvc.sln",
         {"zlibvc.vcproj|31|17978|3", "zlibstat.vcproj|21|14353|0", "testzlib.vcproj|12|7702|1",
          "testzlibdll.vcproj|1|0|1", "minizip.vcproj|1|507|0", "miniunz.vcproj|1|643|0"}},
        {"vc17/zlibvc.sln",
         {"zlibvc.vcxproj|30|17763|3", "zlibstat.vcxproj|20|14138|0", "testzlib.vcxproj|12|7702|1",
          "testzlibdll.vcxproj|1|0|1", "minizip.vcxproj|1|507|0", "miniunz.vcxproj|1|643|0"}},
    };
    for (const auto& [solution, expected] : cases)
    {
        SCOPED_TRACE(solution);
        MetricsTable table;
        std::string error;
        ASSERT_TRUE(CProjectReader(table, FrontEnd::Standalone, Counted).ReadWorkspace(root + solution, error))
            << error;
        std::vector<std::string> projects;
        for (std::size_t i = 0; i < table.Size(); ++i)
        {
            if (table.kinds[i] != RowKind::Project)
                continue;
            std::size_t files = 0, missing = 0;
            // zlib has no empty source: a 0 is a file its tree no longer has.
            for (std::size_t f = i + 1; f < table.Size() && table.kinds[f] == RowKind::SourceFile; ++f, ++files)
                missing += table.lineCounts[f] == 0;
            projects.push_back(table.names[i] + "|" + std::to_string(files) + "|" +
                               std::to_string(table.lineCounts[i]) + "|" + std::to_string(missing));
        }
        EXPECT_EQ(expected, projects);
    }
}

} // namespace
