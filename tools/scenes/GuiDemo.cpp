// Shows one of the system's windows for a few seconds, for screenshots:
//   gui_demo sheet [page] [seconds]   the Format Settings sheet on a page (0-4)
//   gui_demo progress [seconds]       the progress dialog at 37 %
#include "ProgressCaption.h"
#include "ProgressDlg.h"
#include "QLShared.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace
{

int g_page = 0;
DWORD g_until = 0;

// Turns the sheet to its page once it is up, and cancels it when time is up.
void CALLBACK SheetTick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND sheet = FindWindowA(nullptr, "Format Settings");
    if (sheet && g_page >= 0)
        SendMessageA(sheet, PSM_SETCURSEL, std::exchange(g_page, -1), 0);
    if (sheet && GetTickCount() >= g_until)
        SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

} // namespace

int main(int argc, char** argv)
{
    const bool progress = argc > 1 && std::string(argv[1]) == "progress";
    const int secondsAt = progress ? 2 : 3;
    g_until = GetTickCount() + (argc > secondsAt ? std::atoi(argv[secondsAt]) : 5) * 1000;
    if (!progress)
    {
        g_page = argc > 2 ? std::atoi(argv[2]) : 0;
        SetTimer(nullptr, 0, 100, SheetTick);
        DoPropertySheet(nullptr);
        return 0;
    }
    CProgressDlg dialog(ProgressCaptionId(FrontEnd::Standalone));
    dialog.Create();
    dialog.SetStatus("Formatting file: C:\\Projects\\Example\\MainFrm.cpp");
    SendMessageA(dialog.GetSafeHwnd(), WM_USER, 0, 37);
    for (MSG msg; GetTickCount() < g_until; Sleep(20))
    {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    return 0;
}
