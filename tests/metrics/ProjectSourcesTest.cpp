// Source-file markers without a SOURCE= line of their own: each takes the
// next SOURCE= further on, however many share it, as the reader always did.
#include "ProjectReader.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace
{

TEST(ProjectSources, MarkersWithoutTheirOwnSourceLineShareTheNextOne)
{
    const std::string marker = "# Begin Source File\n";
    const struct
    {
        const char* title;
        std::string project;
        std::vector<std::string> names;
    } cases[] = {
        {"one each", marker + "SOURCE=a.c\n" + marker + "SOURCE=b.c\n", {"a.c", "b.c"}},
        {"three share one",
         marker + marker + marker + "SOURCE=a.c\n" + marker + "SOURCE=b.c\n",
         {"a.c", "a.c", "a.c", "b.c"}},
        {"a line before every marker is not taken",
         "SOURCE=x.c\n" + marker + marker + "SOURCE=a.c\r\n",
         {"a.c", "a.c"}},
        {"markers after the last line end the list", marker + "SOURCE=a.c\n" + marker + marker, {"a.c"}},
        {"no line at all", marker + marker, {}},
    };
    const auto none = [](const std::string&, const std::string&) { return 0; };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.title);
        ScratchFolder folder;
        MetricsTable table;
        CProjectReader reader(table, CProjectReader::Flavour::AddIn, {none, none});
        std::string error;
        ASSERT_TRUE(reader.AddProject(folder.Write("p.dsp", c.project), error)) << error;
        EXPECT_EQ(c.names, std::vector<std::string>(table.names.begin() + 1, table.names.end()));
    }
}

} // namespace
