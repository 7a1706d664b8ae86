// The printed metrics report's pages, free of any device: the rows each page holds and where the columns go.
#include "ReportLayout.h"

const char* const CReportLayout::FileHeader = "File";
const char* const CReportLayout::LinesHeader = "Lines  ";
const char* const CReportLayout::CommentsHeader = "Comments  ";
const char* const CReportLayout::FileIndent = "        ";
const char* const CReportLayout::CountSuffix = "  ";

CReportLayout::Columns CReportLayout::ColumnsFor(int width)
{
    return Columns{width / 10, width * 2 / 3, width * 9 / 10};
}

std::size_t CReportLayout::ItemCount(const IMetricsTree& tree)
{
    std::size_t count = tree.ProjectCount();
    for (std::size_t project = 0; project < tree.ProjectCount(); ++project)
        count += tree.FileCount(project);
    return count;
}

int CReportLayout::PageCount(std::size_t itemCount)
{
    return itemCount == 0 ? 1 : static_cast<int>((itemCount + RowsPerPage - 1) / RowsPerPage);
}

int CReportLayout::PageCount(const IMetricsTree& tree)
{
    return PageCount(ItemCount(tree));
}

std::vector<CReportLayout::Row> CReportLayout::PageRows(const IMetricsTree& tree, int page)
{
    std::vector<Row> rows;
    if (page < 1)
        return rows;
    const std::size_t first = static_cast<std::size_t>(page - 1) * RowsPerPage;
    const std::size_t last = first + RowsPerPage;
    std::size_t index = 0;
    for (std::size_t project = 0; project < tree.ProjectCount() && index < last; ++project)
    {
        if (index++ >= first)
        {
            rows.push_back(Row{tree.ProjectText(project, IMetricsTree::NameColumn),
                               tree.ProjectText(project, IMetricsTree::LinesColumn) + CountSuffix,
                               tree.ProjectText(project, IMetricsTree::CommentsColumn) + CountSuffix});
        }
        const std::size_t files = tree.FileCount(project);
        // Whole projects before the page are skipped without visiting their files.
        if (index + files <= first)
        {
            index += files;
            continue;
        }
        for (std::size_t file = 0; file < files && index < last; ++file)
        {
            if (index++ >= first)
            {
                rows.push_back(Row{FileIndent + tree.FileText(project, file, IMetricsTree::NameColumn),
                                   tree.FileText(project, file, IMetricsTree::LinesColumn) + CountSuffix,
                                   tree.FileText(project, file, IMetricsTree::CommentsColumn) + CountSuffix});
            }
        }
    }
    return rows;
}
