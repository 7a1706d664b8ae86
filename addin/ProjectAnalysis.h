#pragma once

#include <oaidl.h>

// The main-dialog command: reads the host's projects into the Project
// Analysis dialog, with a loading dialog showing progress, and runs it.
void ShowProjectAnalysis(IDispatch* application);
