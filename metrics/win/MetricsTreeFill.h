#pragma once

#include "ColumnTree.h"
#include "MetricsTable.h"

#include <vector>

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

    // Shows the counts of the table's rows again, in a tree filled from the
    // table by AppendRows: the items in tree order are the rows in table
    // order. A tree that holds other items is left alone.
    static void UpdateRows(CColumnTree& tree, const MetricsTable& table, const std::vector<std::size_t>& rows);
};
