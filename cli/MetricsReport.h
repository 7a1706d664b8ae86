#pragma once

#include "MetricsTable.h"

#include <cstdint>
#include <string>
#include <vector>

// What became of one source file when it was counted.
enum class CountStatus
{
    Counted,
    NotCounted, // an extension that is not counted; the file is not read
    Missing,
    Unreadable
};

const char* CountStatusName(CountStatus status);

// A source file's counts, as the command line takes them.
struct SourceCount
{
    int lines = -1; // negative: not countable
    int comments = -1;
    CountStatus status = CountStatus::NotCounted;
    std::string cause; // why a file could not be read
};

// A workspace's or a folder's rows as metrics shows them. Totals are added
// in 64 bits: a project may well hold more than 2^31 lines.
struct MetricsReport
{
    struct Row
    {
        RowKind kind;
        std::string project; // the project the row belongs to
        std::string name;
        std::int64_t lines;    // a file's negative count: not countable
        std::int64_t comments; // likewise
        CountStatus status;
    };

    std::vector<Row> rows;
    std::int64_t totalLines = 0;
    std::int64_t totalComments = 0;
};

// The report of table, whose source rows have counts[i] for the i-th source
// row; a project's totals add its files' positive counts.
MetricsReport BuildMetricsReport(const MetricsTable& table, const std::vector<SourceCount>& counts);
