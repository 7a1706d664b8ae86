#pragma once

#include "MetricsReport.h"

#include <iosfwd>
#include <string>

// The output forms of metrics, each ending in the totals of all its projects.
struct MetricsOutputForm
{
    const char* name;
    void (*write)(const MetricsReport& report, std::ostream& out);
};

const MetricsOutputForm* FindMetricsOutputForm(const std::string& name);

// "text, csv, json or markdown".
std::string MetricsOutputFormList();
