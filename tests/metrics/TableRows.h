#pragma once

// The reader's tests: the counters they hand it and its table as rows.

#include "LineCounter.h"
#include "ProjectReader.h"

#include <string>
#include <vector>

// The command line's counters, as the tests' project files are counted.
inline const SourceCounters Counted{CLineCounter::GetLineCount, CLineCounter::GetCommentCount};

// Each row as "P|name|lines|comments" for a project, "F|..." for a file.
inline std::vector<std::string> Rows(const MetricsTable& table)
{
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < table.Size(); ++i)
        rows.push_back((table.kinds[i] == RowKind::Project ? "P|" : "F|") + table.names[i] + "|" +
                       std::to_string(table.lineCounts[i]) + "|" + std::to_string(table.commentCounts[i]));
    return rows;
}
