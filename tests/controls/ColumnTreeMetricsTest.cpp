// The column tree seen through the metrics tree interface gives the batch
// run and the report the same answers as the portable list of the same
// table with the same selection.
#include "ColumnTreeMetrics.h"
#include "BatchFormatter.h"
#include "ColumnTreeHarness.h"
#include "MetricsList.h"
#include "ReportLayout.h"

namespace
{

MetricsTable Workspace()
{
    MetricsTable table;
    table.Append(RowKind::Project, "calc\\calc.dsp", 160, 9, "C:\\ws\\calc\\calc.dsp");
    table.Append(RowKind::SourceFile, "calc.cpp", 120, 7, "C:\\ws\\calc\\");
    table.Append(RowKind::SourceFile, "parser.c", 40, 2, "C:\\ws\\calc\\");
    table.Append(RowKind::Project, "shared\\shared.dsp", 0, 0, "C:\\ws\\shared\\shared.dsp");
    table.Append(RowKind::Project, "text util\\text util.dsp", 31, 4, "C:\\ws\\text util\\text util.dsp");
    table.Append(RowKind::SourceFile, "Tokens.CPP", 31, 4, "C:\\ws\\text util\\");
    table.Append(RowKind::SourceFile, "README.txt", -1, -1, "C:\\ws\\text util\\");
    return table;
}

struct Selection
{
    const char* name;
    std::vector<std::pair<const char*, WPARAM>> clicks;
    std::vector<std::pair<std::size_t, std::size_t>> files; // (project, file)
    std::vector<std::size_t> projects;
};

// Everything the batch run and the report read of a tree, a line each.
std::vector<std::string> Answers(const IMetricsTree& tree)
{
    std::vector<std::string> lines;
    for (std::size_t p = 0; p < tree.ProjectCount(); ++p)
    {
        lines.push_back("project of " + std::to_string(tree.FileCount(p)));
        for (std::size_t f = 0; f < tree.FileCount(p); ++f)
            lines.push_back(tree.FileData(p, f));
    }
    // The selection as the batch run walks it.
    for (auto target = CBatchFormatter::NextTargetItem(tree, std::nullopt); target;
         target = CBatchFormatter::NextTargetItem(tree, target))
        lines.push_back("target " + std::to_string(target->project) + " " + std::to_string(target->file));
    for (const CReportLayout::Row& row : CReportLayout::PageRows(tree, 1))
        lines.push_back(row.text + "|" + row.lines + "|" + row.comments);
    return lines;
}

} // namespace

TEST_F(ColumnTreeTest, MetricsViewAnswersAsThePortableListOfTheSameTable)
{
    const MetricsTable table = Workspace();
    const Selection selections[] = {
        {"nothing selected", {}, {}, {}},
        {"a file and a project", {{"parser.c", 0}, {"text util\\text util.dsp", MK_CONTROL}}, {{0, 1}}, {2}},
        {"a project and one of its files",
         {{"calc.cpp", 0}, {"calc\\calc.dsp", MK_CONTROL}, {"README.txt", MK_CONTROL}},
         {{0, 0}, {2, 1}},
         {0}},
    };
    for (const Selection& selection : selections)
    {
        Make(CColumnTree::Buttons | CColumnTree::Lines | CColumnTree::LinesAtRoot);
        CMetricsTreeFill::AddCountColumns(tree);
        CMetricsTreeFill::AppendRows(tree, table, CMetricsTreeFill::ItemData::Directories);
        for (HTREEITEM top = tree.GetRootItem(); top; top = tree.GetNextSiblingItem(top))
        {
            items[tree.GetItemText(top, 0)] = top;
            for (HTREEITEM file = tree.GetChildItem(top); file; file = tree.GetNextSiblingItem(file))
                items[tree.GetItemText(file, 0)] = file;
            SendMessageA(Tree(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(top));
        }
        for (const auto& click : selection.clicks)
            Click(click.first, click.second);

        CMetricsList list;
        list.Fill(table);
        for (const auto& file : selection.files)
            list.SelectFile(file.first, file.second);
        for (std::size_t p : selection.projects)
            list.SelectProject(p);

        EXPECT_EQ(Answers(CColumnTreeMetrics(tree)), Answers(list)) << selection.name;
    }
}
