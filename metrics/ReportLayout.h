#pragma once

#include "MetricsTree.h"

#include <cstddef>
#include <string>
#include <vector>

// The page layout of the printed metrics report, free of any device: which
// rows a page holds and where its columns go. Drawing them is the front
// ends' business.
class CReportLayout
{
public:
    static const int RowsPerPage = 70;
    static const char* const FileHeader;     // left aligned
    static const char* const LinesHeader;    // right aligned
    static const char* const CommentsHeader; // right aligned
    static const char* const FileIndent;     // before a source item's name
    static const char* const CountSuffix;    // after each count text

    struct Columns
    {
        int left;          // left edge of every column
        int linesRight;    // right edge of the lines column
        int commentsRight; // right edge of the comments column
    };

    struct Row
    {
        std::string text;     // indent and name
        std::string lines;    // with CountSuffix
        std::string comments; // with CountSuffix
    };

    // For a printable area width: width / 10, width * 2 / 3, width * 9 / 10.
    static Columns ColumnsFor(int width);

    // Projects and files, expanded or not.
    static std::size_t ItemCount(const IMetricsTree& tree);

    // Pages that hold rows, at least one: a multiple of 70 items does not
    // end in a page with the header only.
    static int PageCount(const IMetricsTree& tree);
    static int PageCount(std::size_t itemCount);

    // The rows of page (1-based), in tree order: each project, then its files.
    static std::vector<Row> PageRows(const IMetricsTree& tree, int page);
};
