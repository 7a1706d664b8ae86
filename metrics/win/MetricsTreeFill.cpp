// Fills a column tree with the metrics list as both Windows front ends show it, and refreshes recounted rows.
#include "MetricsTreeFill.h"

#include "MetricsList.h"

namespace
{

// The count columns start this wide before the widths are shared out.
const int InitialCountWidth = 40;
const int NamePercent = 60;
const int CountPercent = 20;

void SetCountTexts(CColumnTree& tree, HTREEITEM item, const MetricsTable& table, std::size_t row)
{
    const bool isFile = table.kinds[row] == RowKind::SourceFile;
    tree.SetItemText(item, 1, CMetricsList::CountText(table.lineCounts[row], isFile));
    tree.SetItemText(item, 2, CMetricsList::CountText(table.commentCounts[row], isFile));
}

} // namespace

void CMetricsTreeFill::AddCountColumns(CColumnTree& tree)
{
    tree.InsertColumn(1, "Lines", ColumnAlignment::Centre, InitialCountWidth);
    tree.InsertColumn(2, "Comments", ColumnAlignment::Centre, InitialCountWidth);
    // Integer arithmetic on column 0's width before the columns were added.
    const int width = tree.GetColumnWidth(0);
    tree.SetColumnWidth(0, width * NamePercent / 100);
    tree.SetColumnWidth(1, width * CountPercent / 100);
    tree.SetColumnWidth(2, width * CountPercent / 100);
    tree.SetColumnHeading(0, "Project List");
}

void CMetricsTreeFill::AppendRows(CColumnTree& tree, const MetricsTable& table, ItemData data)
{
    HTREEITEM project = nullptr;
    for (std::size_t row = 0; row < table.Size(); ++row)
    {
        const bool isFile = table.kinds[row] == RowKind::SourceFile;
        HTREEITEM item = tree.InsertItem(isFile ? project : nullptr, table.names[row]);
        SetCountTexts(tree, item, table, row);
        if (data == ItemData::Directories)
            tree.SetItemData(item, &table.directories[row]);
        if (!isFile)
            project = item;
    }
}

void CMetricsTreeFill::UpdateRows(CColumnTree& tree, const MetricsTable& table, const std::vector<std::size_t>& rows)
{
    std::vector<HTREEITEM> items;
    for (HTREEITEM project = tree.GetRootItem(); project; project = tree.GetNextSiblingItem(project))
    {
        items.push_back(project);
        for (HTREEITEM file = tree.GetChildItem(project); file; file = tree.GetNextSiblingItem(file))
            items.push_back(file);
    }
    if (items.size() != table.Size())
        return;
    for (std::size_t row : rows)
    {
        if (row < items.size())
            SetCountTexts(tree, items[row], table, row);
    }
}
