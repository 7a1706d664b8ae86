#pragma once

#include "ColumnTree.h"
#include "MetricsTable.h"

// The metrics list in a column tree, as both front ends fill it: the two
// count columns beside the names, then the table's projects with their files
// below them, counts as the list shows them.
class CMetricsTreeFill
{
public:
    // Inserts the "Lines" and "Comments" columns and shares column 0's width
    // out as 60, 20 and 20 %; column 0 is headed "Project List".
    static void AddCountColumns(CColumnTree& tree);

    // Appends the table's rows without clearing the tree. With item data,
    // each item points at its row's directory in table, which must outlive
    // the items.
    enum class ItemData
    {
        None,
        Directories
    };
    static void AppendRows(CColumnTree& tree, const MetricsTable& table, ItemData data);
};
