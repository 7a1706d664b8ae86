// The progress dialog under Wine: percentage, cancel flag, owner enabling.
// Runs once with each front end's resources linked; the captions and the
// status line are seen through the front ends' runs.
#include "ProgressDlg.h"

#include "ProgressCaption.h"
#include "ResourceModule.h"
#include "WindowText.h"
#include "win/TopWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// The front end whose resources this program links: only the add-in's hold
// its caption string.
FrontEnd LinkedFrontEnd()
{
    return LoadResourceString(IDS_PROGRESS_CAPTION_ADDIN).empty() ? FrontEnd::Standalone : FrontEnd::AddIn;
}

// A dialog with the linked front end's caption.
class Dialog : public CProgressDlg
{
public:
    Dialog() : CProgressDlg(ProgressCaptionId(LinkedFrontEnd())) {}
};

void DrainMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

TEST(ProgressDialog, ProgressMovesBarAndShowsThePercent)
{
    Dialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND hwnd = dialog.GetSafeHwnd();
    HWND percent = GetDlgItem(hwnd, IDC_PROGRESS_PERCENT);
    HWND bar = GetDlgItem(hwnd, IDC_PROGRESS_BAR);
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 0);
    EXPECT_EQ(WindowText(percent), "0%");
    // Reports are shown at most twenty times a second, and the last one.
    Sleep(60);
    SendMessageA(hwnd, WM_USER, 0, 37);
    EXPECT_EQ(WindowText(percent), "37%");
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 37);
    SendMessageA(hwnd, WM_USER, 0, 38);
    EXPECT_EQ(dialog.SetPos(100), 38);
    EXPECT_EQ(WindowText(percent), "100%");
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 100);
}

TEST(ProgressDialog, OkDoesNothingAndCancelOnlySetsTheFlag)
{
    Dialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND hwnd = dialog.GetSafeHwnd();
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_FALSE(dialog.m_bCancel);
    // The close box asks for Cancel too (posted); the dialog still stays.
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    DrainMessages();
    EXPECT_TRUE(dialog.m_bCancel);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(dialog.GetSafeHwnd(), hwnd);
}

TEST(ProgressDialog, ClicksAndEscapeAreSeenOnlyWhileProgressPumps)
{
    for (bool escape : {false, true})
    {
        SCOPED_TRACE(escape ? "escape" : "click");
        Dialog dialog;
        ASSERT_TRUE(dialog.Create());
        HWND hwnd = dialog.GetSafeHwnd(), cancel = GetDlgItem(hwnd, IDCANCEL);
        // Input waiting in the queue is not seen until the engine reports.
        if (escape)
        {
            PostMessageA(cancel, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        else
        {
            PostMessageA(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            PostMessageA(cancel, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        }
        EXPECT_FALSE(dialog.m_bCancel);
        SendMessageA(hwnd, WM_USER, 0, 10);
        EXPECT_TRUE(dialog.m_bCancel);
        EXPECT_TRUE(IsWindow(hwnd));
        // Once set, the flag stays set.
        SendMessageA(hwnd, WM_USER, 0, 20);
        EXPECT_TRUE(dialog.m_bCancel);
    }
}

TEST(ProgressDialog, OwnerIsDisabledWhileShown)
{
    TopWindow owner;
    {
        Dialog dialog;
        ASSERT_TRUE(dialog.Create(&owner));
        EXPECT_FALSE(IsWindowEnabled(owner.GetSafeHwnd()));
        EXPECT_EQ(GetWindow(dialog.GetSafeHwnd(), GW_OWNER), owner.GetSafeHwnd());
        dialog.DestroyWindow();
        EXPECT_TRUE(IsWindowEnabled(owner.GetSafeHwnd()));
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    }
    {
        // A run that ends by an error leaves the dialog to its destructor.
        Dialog dialog;
        ASSERT_TRUE(dialog.Create(&owner));
        EXPECT_FALSE(IsWindowEnabled(owner.GetSafeHwnd()));
    }
    EXPECT_TRUE(IsWindowEnabled(owner.GetSafeHwnd()));
}

TEST(ProgressDialog, QuitRequestSurvivesThePump)
{
    Dialog dialog;
    ASSERT_TRUE(dialog.Create());
    PostQuitMessage(7);
    SendMessageA(dialog.GetSafeHwnd(), WM_USER, 0, 50);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    DrainMessages();
}
