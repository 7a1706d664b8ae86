// The program's printer and page set-up, chosen with the print dialogs, handing out device contexts to print on.
#include "PrinterChoice.h"

#include "PrintJob.h"

#include <cderr.h>

#include <algorithm>

namespace
{

PRINTDLGA DialogFor(HWND owner, DWORD flags)
{
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = flags;
    return dialog;
}

bool OpenFailed(const std::string& printer, std::string& error)
{
    error = CPrintJob::Failure(printer, "the printer could not be opened");
    return false;
}

// Every page on the printer, without asking; mode may be null.
bool OpenForAllPages(const std::string& driver, const std::string& printer, const std::string& port,
                     const DEVMODEA* mode, int pageCount, CPrinterChoice::Request& request, std::string& error)
{
    request.dc.reset(CreateDCA(driver.c_str(), printer.c_str(), port.c_str(), mode));
    request.printer = printer;
    request.first = 1;
    request.last = pageCount;
    if (!request.dc)
        return OpenFailed(printer, error);
    return true;
}

std::string DialogError(DWORD code)
{
    if (code == PDERR_NODEFAULTPRN || code == PDERR_NODEVICES)
        return "Printing failed: no printer is installed.";
    return "Printing failed: the print dialog reported error " + std::to_string(code) + ".";
}

} // namespace

bool CPrinterChoice::Run(PRINTDLGA& dialog, std::string& error)
{
    error.clear();
    // The dialog starts from the kept set-up and may hand back new blocks.
    dialog.hDevMode = m_devMode.release();
    dialog.hDevNames = m_devNames.release();
    const bool confirmed = m_dialog(&dialog) != FALSE;
    m_devMode.reset(dialog.hDevMode);
    m_devNames.reset(dialog.hDevNames);
    if (!confirmed)
    {
        if (const DWORD code = CommDlgExtendedError())
            error = DialogError(code);
    }
    return confirmed;
}

bool CPrinterChoice::Setup(HWND owner, std::string& error)
{
    PRINTDLGA dialog = DialogFor(owner, PD_PRINTSETUP);
    return Run(dialog, error);
}

bool CPrinterChoice::Ask(HWND owner, int pageCount, Request& request, std::string& error)
{
    PRINTDLGA dialog = DialogFor(owner, PD_ALLPAGES | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_RETURNDC);
    dialog.nCopies = 1;
    dialog.nMinPage = dialog.nFromPage = 1;
    dialog.nMaxPage = dialog.nToPage = static_cast<WORD>(pageCount);
    const bool confirmed = Run(dialog, error);
    request.dc.reset(dialog.hDC);
    if (!confirmed)
        return false;
    request.printer = PrinterName();
    if (!request.dc)
        return OpenFailed(request.printer, error);
    const bool range = (dialog.Flags & PD_PAGENUMS) != 0;
    request.first = range ? dialog.nFromPage : 1;
    request.last = range ? dialog.nToPage : pageCount;
    // Without PD_USEDEVMODECOPIESANDCOLLATE the dialog leaves the copies to
    // the program, and the device context prints one.
    request.copies = std::max<int>(dialog.nCopies, 1);
    request.collate = (dialog.Flags & PD_COLLATE) != 0;
    return true;
}

bool CPrinterChoice::Direct(int pageCount, Request& request, std::string& error)
{
    if (!m_devNames)
    {
        // Nothing chosen yet: the default printer, without showing anything.
        PRINTDLGA dialog = DialogFor(nullptr, PD_RETURNDEFAULT);
        if (!Run(dialog, error))
        {
            if (error.empty())
                error = DialogError(PDERR_NODEFAULTPRN);
            return false;
        }
    }
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(m_devNames.get()));
    const char* base = reinterpret_cast<const char*>(names);
    const std::string driver = base + names->wDriverOffset, port = base + names->wOutputOffset;
    GlobalUnlock(m_devNames.get());
    const auto* mode = static_cast<const DEVMODEA*>(GlobalLock(m_devMode.get()));
    const bool opened = OpenForAllPages(driver, PrinterName(), port, mode, pageCount, request, error);
    GlobalUnlock(m_devMode.get());
    return opened;
}

bool CPrinterChoice::Named(const std::string& printer, const std::string& driver, const std::string& port,
                           int pageCount, Request& request, std::string& error)
{
    return OpenForAllPages(driver, printer, port, nullptr, pageCount, request, error);
}

std::string CPrinterChoice::DeviceName(HGLOBAL devNames)
{
    std::string name;
    if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames)))
    {
        name = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
        GlobalUnlock(devNames);
    }
    return name;
}
