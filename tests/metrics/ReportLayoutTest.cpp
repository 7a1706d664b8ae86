#include "MetricsList.h"
#include "ReportLayout.h"

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
        {
            const int count = f == 0 ? -1 : f;
            table.Append(RowKind::SourceFile, "p" + std::to_string(p) + "f" + std::to_string(f) + ".c",
                         count < 0 ? -1 : 10 * count, count, "");
        }
    }
    CMetricsList list;
    list.Fill(table);
    return list;
}

TEST(ReportLayout, PagesHoldRowsWithoutAnEmptyTrailingPage)
{
    EXPECT_EQ(1, CReportLayout::PageCount(std::size_t{0}));
    EXPECT_EQ(1, CReportLayout::PageCount(std::size_t{1}));
    EXPECT_EQ(1, CReportLayout::PageCount(std::size_t{69}));
    EXPECT_EQ(1, CReportLayout::PageCount(std::size_t{70}));
    EXPECT_EQ(2, CReportLayout::PageCount(std::size_t{71}));
    EXPECT_EQ(2, CReportLayout::PageCount(std::size_t{140}));
    EXPECT_EQ(3, CReportLayout::PageCount(std::size_t{141}));

    const CMetricsList seventy = ListOf({34, 34});
    EXPECT_EQ(70u, CReportLayout::ItemCount(seventy));
    EXPECT_EQ(1, CReportLayout::PageCount(seventy));
    EXPECT_EQ(70u, CReportLayout::PageRows(seventy, 1).size());
    EXPECT_TRUE(CReportLayout::PageRows(seventy, 2).empty());
}

TEST(ReportLayout, PagesSplitInsideAProjectAndContinueItsIndent)
{
    const CMetricsList list = ListOf({68, 2, 3});
    ASSERT_EQ(76u, CReportLayout::ItemCount(list));
    ASSERT_EQ(2, CReportLayout::PageCount(list));
    const auto first = CReportLayout::PageRows(list, 1);
    const auto second = CReportLayout::PageRows(list, 2);
    ASSERT_EQ(70u, first.size());
    ASSERT_EQ(6u, second.size());
    EXPECT_EQ("p0.dsp", first[0].text);
    EXPECT_EQ("        p0f67.c", first[68].text);
    EXPECT_EQ("p1.dsp", first[69].text);
    EXPECT_EQ("        p1f0.c", second[0].text);
    EXPECT_EQ("        p1f1.c", second[1].text);
    EXPECT_EQ("p2.dsp", second[2].text);
    EXPECT_EQ("        p2f2.c", second[5].text);
    EXPECT_TRUE(CReportLayout::PageRows(list, 3).empty());
    EXPECT_TRUE(CReportLayout::PageRows(list, 0).empty());
}

TEST(ReportLayout, RowTextsCarryTheListTexts)
{
    const CMetricsList list = ListOf({0, 2});
    const auto rows = CReportLayout::PageRows(list, 1);
    ASSERT_EQ(4u, rows.size());
    // A project without files is followed directly by the next project.
    EXPECT_EQ("p0.dsp", rows[0].text);
    EXPECT_EQ("p1.dsp", rows[1].text);
    EXPECT_EQ("7  ", rows[1].lines);
    EXPECT_EQ("0  ", rows[1].comments);
    EXPECT_EQ("        p1f0.c", rows[2].text);
    EXPECT_EQ("NA  ", rows[2].lines);
    EXPECT_EQ("NA  ", rows[2].comments);
    EXPECT_EQ("10  ", rows[3].lines);
    EXPECT_EQ("1  ", rows[3].comments);
}

TEST(ReportLayout, EmptyListHasOnePageWithTheHeaderOnly)
{
    const CMetricsList list;
    EXPECT_EQ(1, CReportLayout::PageCount(list));
    EXPECT_TRUE(CReportLayout::PageRows(list, 1).empty());
}

TEST(MetricsList, CountTextsAndProjectTotals)
{
    MetricsTable table;
    table.Append(RowKind::Project, "p.dsp", 12, 3, "C:\\p.dsp");
    table.Append(RowKind::SourceFile, "a.txt", -1, -1, "C:\\");
    table.Append(RowKind::SourceFile, "gone.c", 0, 0, "C:\\");
    table.Append(RowKind::SourceFile, "a.def", 12, -1, "C:\\");
    table.Append(RowKind::Project, "q.dsp", 0, 0, "C:\\q.dsp");
    CMetricsList list;
    list.Fill(table);
    ASSERT_EQ(2u, list.ProjectCount());
    EXPECT_EQ(3u, list.FileCount(0));
    EXPECT_EQ(0u, list.FileCount(1));
    EXPECT_EQ("12", list.ProjectText(0, IMetricsTree::LinesColumn));
    EXPECT_EQ("NA", list.FileText(0, 0, IMetricsTree::LinesColumn));
    EXPECT_EQ("0", list.FileText(0, 1, IMetricsTree::CommentsColumn));
    EXPECT_EQ("12", list.FileText(0, 2, IMetricsTree::LinesColumn));
    EXPECT_EQ("NA", list.FileText(0, 2, IMetricsTree::CommentsColumn));
    EXPECT_EQ("C:\\", list.FileData(0, 1));
    EXPECT_EQ("0", list.ProjectText(1, IMetricsTree::CommentsColumn));
}

} // namespace
