#pragma once

#include "MetricsTree.h"

#include <windows.h>

#include <commdlg.h>

#include <string>

// The add-in's print run of the metrics report: the print dialog, then every
// page on the chosen printer as one document, "Quillet Document". The
// program prints through its view instead.
class CReportPrintJob
{
public:
    // The print dialog; tests hand in one that answers without a window.
    using PrintDialog = BOOL(WINAPI*)(LPPRINTDLGA);

    // Asks for a printer with the print dialog owned by owner and prints the
    // report there. False when the user cancelled or printing failed; a
    // failure leaves its description (printer and step) in error.
    static bool Run(HWND owner, const IMetricsTree& tree, std::string& error, PrintDialog dialog = PrintDlgA);
};
