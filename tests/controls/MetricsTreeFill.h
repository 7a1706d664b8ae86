#pragma once

// Fills a column tree from a metrics table the way the metrics list does:
// count columns, project items with their files below, count texts, the
// directories as item data. For the tests and the demo.

#include "ColumnTree.h"
#include "MetricsList.h"
#include "MetricsTable.h"

// The three columns, widths 60, 20 and 20 % of column 0's width.
inline void SetUpCountColumns(CColumnTree& tree)
{
    tree.InsertColumn(1, "Lines", ColumnAlignment::Centre, 40);
    tree.InsertColumn(2, "Comments", ColumnAlignment::Centre, 40);
    const int width = tree.GetColumnWidth(0);
    tree.SetColumnWidth(0, width * 60 / 100);
    tree.SetColumnWidth(1, width * 20 / 100);
    tree.SetColumnWidth(2, width * 20 / 100);
    tree.SetColumnHeading(0, "Project List");
}

inline void FillColumnTree(CColumnTree& tree, const MetricsTable& table)
{
    SetUpCountColumns(tree);
    HTREEITEM project = nullptr;
    for (std::size_t row = 0; row < table.Size(); ++row)
    {
        const bool isFile = table.kinds[row] == RowKind::SourceFile;
        HTREEITEM item = tree.InsertItem(isFile ? project : nullptr, table.names[row]);
        tree.SetItemText(item, 1, CMetricsList::CountText(table.lineCounts[row], isFile));
        tree.SetItemText(item, 2, CMetricsList::CountText(table.commentCounts[row], isFile));
        tree.SetItemData(item, &table.directories[row]);
        if (!isFile)
            project = item;
    }
}
