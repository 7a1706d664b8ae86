#pragma once

#include "MetricsTable.h"

#include <iosfwd>

// The three output forms of "quillet-cli metrics".

// The report's columns: File, Lines, Comments; files indented under their
// project, "NA" for a count that is not available.
void WriteMetricsText(const MetricsTable& table, std::ostream& out);

// One row per project and file: kind, project, name, lines, comments, with
// -1 for a count that is not available.
void WriteMetricsCsv(const MetricsTable& table, std::ostream& out);
void WriteMetricsJson(const MetricsTable& table, std::ostream& out);
