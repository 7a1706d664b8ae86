#pragma once

#include "BatchRequest.h"
#include "MetricsList.h"

#include <string>

// Selects in list what the request names, everything when it names nothing.
// A project matches by the name the workspace writes, its file name, or that
// name without extension; a file by the name its project writes or its file
// name; case is ignored. Fails naming the first project or file that matches
// no item.
bool SelectRequested(const BatchRequest& request, CMetricsList& list, std::string& error);
