// Shows one of the system's windows for a few seconds, for screenshots:
//   gui_demo sheet [page] [seconds]   the Format Settings sheet on a page (0-4)
//   gui_demo progress [seconds]       the progress dialog at 37 %
#include "ProgressDlg.h"
#include "QLShared.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>

namespace
{

int g_page = 0;
DWORD g_until = 0;

void CALLBACK SheetTick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND sheet = FindWindowA(nullptr, "Format Settings");
    if (!sheet)
        return;
    if (g_page >= 0)
    {
        SendMessageA(sheet, PSM_SETCURSEL, g_page, 0);
        g_page = -1;
    }
    if (GetTickCount() >= g_until)
        SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

void Wait(DWORD milliseconds)
{
    DWORD until = GetTickCount() + milliseconds;
    MSG msg;
    while (GetTickCount() < until)
    {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const char* what = argc > 1 ? argv[1] : "sheet";
    if (std::strcmp(what, "progress") == 0)
    {
        int seconds = argc > 2 ? std::atoi(argv[2]) : 5;
        CProgressDlg dialog;
        dialog.Create();
        dialog.SetStatus("Formatting file: C:\\Projects\\Example\\MainFrm.cpp");
        SendMessageA(dialog.GetSafeHwnd(), WM_USER, 0, 37);
        Wait(seconds * 1000);
        return 0;
    }
    g_page = argc > 2 ? std::atoi(argv[2]) : 0;
    int seconds = argc > 3 ? std::atoi(argv[3]) : 5;
    g_until = GetTickCount() + seconds * 1000;
    SetTimer(nullptr, 0, 100, SheetTick);
    DoPropertySheet(nullptr);
    return 0;
}
