// How the printed report splits the metrics list into pages.
#include "ReportLayout.h"
#include "MetricsList.h"

#include <gtest/gtest.h>

namespace
{

// A list of projects with the given numbers of files; file f of project p is
// named "p<p>f<f>.c" with lines 10 * f and comments f (file 0 not countable).
CMetricsList ListOf(const std::vector<int>& filesPerProject)
{
    MetricsTable table;
    for (std::size_t p = 0; p < filesPerProject.size(); ++p)
    {
        table.Append(RowKind::Project, "p" + std::to_string(p) + ".dsp", 7, 0, "");
        for (int f = 0; f < filesPerProject[p]; ++f)
            table.Append(RowKind::SourceFile, "p" + std::to_string(p) + "f" + std::to_string(f) + ".c",
                         f == 0 ? -1 : 10 * f, f == 0 ? -1 : f, "");
    }
    CMetricsList list;
    list.Fill(table);
    return list;
}

// Each row as "text|lines|comments".
std::vector<std::string> Flat(const std::vector<CReportLayout::Row>& rows)
{
    std::vector<std::string> flat;
    for (const CReportLayout::Row& row : rows)
        flat.push_back(row.text + "|" + row.lines + "|" + row.comments);
    return flat;
}

TEST(ReportLayout, PagesHoldRowsWithoutAnEmptyTrailingPage)
{
    const std::pair<std::size_t, int> cases[] = {{0, 1}, {1, 1}, {69, 1}, {70, 1}, {71, 2}, {140, 2}, {141, 3}};
    for (const auto& [items, pages] : cases)
        EXPECT_EQ(pages, CReportLayout::PageCount(items)) << items;

    // An empty list has one page with the header only.
    const CMetricsList empty;
    EXPECT_EQ(1, CReportLayout::PageCount(empty));
    EXPECT_TRUE(CReportLayout::PageRows(empty, 1).empty());
}

TEST(ReportLayout, PagesSplitInsideAProjectAndContinueItsIndent)
{
    const CMetricsList list = ListOf({68, 2, 3});
    ASSERT_EQ(76u, CReportLayout::ItemCount(list));
    ASSERT_EQ(2, CReportLayout::PageCount(list));
    const auto first = CReportLayout::PageRows(list, 1);
    ASSERT_EQ(70u, first.size());
    EXPECT_EQ("p0.dsp", first[0].text);
    EXPECT_EQ("        p0f67.c", first[68].text);
    EXPECT_EQ("p1.dsp", first[69].text);
    EXPECT_EQ(
        (std::vector<std::string>{"        p1f0.c|NA  |NA  ", "        p1f1.c|10  |1  ", "p2.dsp|7  |0  ",
                                  "        p2f0.c|NA  |NA  ", "        p2f1.c|10  |1  ", "        p2f2.c|20  |2  "}),
        Flat(CReportLayout::PageRows(list, 2)));
    EXPECT_TRUE(CReportLayout::PageRows(list, 3).empty());
    EXPECT_TRUE(CReportLayout::PageRows(list, 0).empty());
    // A project without files is followed directly by the next project.
    EXPECT_EQ((std::vector<std::string>{"p0.dsp|7  |0  ", "p1.dsp|7  |0  "}),
              Flat(CReportLayout::PageRows(ListOf({0, 0}), 1)));
}

} // namespace
