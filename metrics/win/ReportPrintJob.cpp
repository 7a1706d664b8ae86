#include "ReportPrintJob.h"

#include "ReportLayout.h"
#include "ReportPage.h"

#include <memory>
#include <string>

namespace
{

struct GlobalFree_
{
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
using GlobalMemory = std::unique_ptr<void, GlobalFree_>;

struct DcDeleter
{
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using PrinterDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

std::string DeviceName(HGLOBAL devNames)
{
    std::string name;
    if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames)))
    {
        name = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
        GlobalUnlock(devNames);
    }
    return name;
}

bool Failed(const std::string& printer, const std::string& step, std::string& error)
{
    error = "Printing on \"" + printer + "\" failed: " + step + ".";
    return false;
}

} // namespace

bool CReportPrintJob::Run(HWND owner, const IMetricsTree& tree, std::string& error, PrintDialog dialog)
{
    error.clear();
    PRINTDLGA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.Flags = PD_ALLPAGES | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_RETURNDC;
    const bool confirmed = dialog(&request);
    // The dialog's memory is ours whatever it answered.
    GlobalMemory devMode(request.hDevMode), devNames(request.hDevNames);
    PrinterDc dc(request.hDC);
    if (!confirmed)
    {
        if (CommDlgExtendedError() != 0)
            error = "The print dialog could not be shown: no printer may be installed.";
        return false;
    }
    const std::string printer = DeviceName(devNames.get());
    if (!dc)
        return Failed(printer, "the printer could not be opened", error);
    return PrintAll(dc.get(), printer, tree, error);
}

bool CReportPrintJob::PrintAll(HDC dc, const std::string& printer, const IMetricsTree& tree, std::string& error)
{
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = "Quillet Document";
    if (StartDocA(dc, &document) <= 0)
        return Failed(printer, "the document could not be started", error);
    const RECT page = CReportPage::FullPage(dc);
    const int pages = CReportLayout::PageCount(tree);
    for (int number = 1; number <= pages; ++number)
    {
        if (StartPage(dc) <= 0)
        {
            AbortDoc(dc);
            return Failed(printer, "page " + std::to_string(number) + " could not be started", error);
        }
        CReportPage::Draw(dc, page, CReportPage::Flavour::AddIn, tree, number);
        if (EndPage(dc) <= 0)
        {
            AbortDoc(dc);
            return Failed(printer, "page " + std::to_string(number) + " could not be finished", error);
        }
    }
    if (EndDoc(dc) <= 0)
        return Failed(printer, "the document could not be sent to the printer", error);
    return true;
}
