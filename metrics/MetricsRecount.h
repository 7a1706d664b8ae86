#pragma once

#include "BatchFormatter.h"
#include "MetricsTable.h"
#include "ProjectReader.h"

#include <cstddef>
#include <string>
#include <vector>

// Keeps a standalone program's table true after a batch run: every file row
// that names a file the run rewrote (under any spelling of its path, such as
// a quoted path into another project's folder) is counted again, and its
// project's totals are added up again. Returns the rows whose counts may
// have changed, in table order.
std::vector<std::size_t> RecountRewrittenFiles(MetricsTable& table, const std::string& workspaceDirectory,
                                               const BatchReport& report, const SourceCounters& counters);
