#pragma once

#include "GlobalMemory.h"

#include <commdlg.h>

#include <string>

// The program's printer: the system's default until Print Setup picks
// another, kept with its page set-up while the program runs. It asks with
// the print dialogs and hands out device contexts for print jobs.
class CPrinterChoice
{
public:
    // The print dialog; tests hand in one that answers without a window.
    using PrintDialog = BOOL(WINAPI*)(LPPRINTDLGA);

    struct Request
    {
        CCreatedDc dc;
        std::string printer;
        int first = 1;
        int last = 1;
        // What the print dialog asked for; the program prints the copies.
        int copies = 1;
        bool collate = false;
    };

    explicit CPrinterChoice(PrintDialog dialog = PrintDlgA) : m_dialog(dialog) {}

    // Print Setup. False when the user cancelled or the dialog failed (error
    // then says why).
    bool Setup(HWND owner, std::string& error);
    // The print dialog for pages 1 to pageCount on the chosen printer.
    bool Ask(HWND owner, int pageCount, Request& request, std::string& error);
    // The chosen printer, all pages, without asking.
    bool Direct(int pageCount, Request& request, std::string& error);
    // A printer named by the caller, all pages, without asking.
    static bool Named(const std::string& printer, const std::string& driver, const std::string& port, int pageCount,
                      Request& request, std::string& error);

    std::string PrinterName() const { return DeviceName(m_devNames.get()); }
    // The printer named in a print dialog's device names block.
    static std::string DeviceName(HGLOBAL devNames);

private:
    bool Run(PRINTDLGA& dialog, std::string& error);

    PrintDialog m_dialog;
    CGlobalMemory m_devMode;
    CGlobalMemory m_devNames;
};
