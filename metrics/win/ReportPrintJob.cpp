// The add-in's printing of the metrics report: the print dialog, then every page as one document.
#include "ReportPrintJob.h"

#include "GlobalMemory.h"
#include "PrintJob.h"
#include "PrinterChoice.h"
#include "ReportPage.h"

#include <algorithm>

bool CReportPrintJob::Run(HWND owner, const IMetricsTree& tree, std::string& error, PrintDialog dialog)
{
    error.clear();
    PRINTDLGA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.Flags = PD_ALLPAGES | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_RETURNDC;
    request.nCopies = 1;
    const bool confirmed = dialog(&request);
    // The dialog's memory is ours whatever it answered.
    CGlobalMemory devMode(request.hDevMode), devNames(request.hDevNames);
    CCreatedDc dc(request.hDC);
    if (!confirmed)
    {
        if (CommDlgExtendedError() != 0)
            error = "The print dialog could not be shown: no printer may be installed.";
        return false;
    }
    const std::string printer = CPrinterChoice::DeviceName(devNames.get());
    if (!dc)
    {
        error = CPrintJob::Failure(printer, "the printer could not be opened");
        return false;
    }
    const CReportPage pages(tree, FrontEnd::AddIn);
    // The dialog leaves the copies to the program: its device context prints one.
    const std::vector<int> order = CPrintJob::PageOrder(1, pages.PageCount(), std::max<int>(request.nCopies, 1),
                                                        (request.Flags & PD_COLLATE) != 0);
    return CPrintJob::Print(dc.get(), printer, "Quillet Document", pages, order, error);
}
