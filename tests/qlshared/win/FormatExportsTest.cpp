#include "LibrarySeams.h"
#include "MessageBoxScript.h"
#include "ProgressDlg.h"
#include "QLShared.h"
#include "SettingsKey.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace
{

// What the hidden stand-in for the progress dialog's window received.
std::vector<LPARAM> progressSeen;

LRESULT CALLBACK RecordProgress(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_USER)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    progressSeen.push_back(wParam == 0 ? lParam : -1);
    return 0;
}

// A progress dialog object over a hidden top-level window of this test,
// which is not the dialog's own to destroy.
struct ProgressWindow
{
    ProgressWindow()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &RecordProgress;
        windowClass.lpszClassName = "QuilletProgressRecorder";
        RegisterClassA(&windowClass);
        dialog.m_hWnd = CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                        nullptr, nullptr);
    }
    ~ProgressWindow() { DestroyWindow(std::exchange(dialog.m_hWnd, nullptr)); }

    CProgressDlg dialog;
};

class FormatExportsTest : public ::testing::Test
{
protected:
    SettingsKey clean;
    MessageBoxScript boxes;
};

} // namespace

TEST_F(FormatExportsTest, WithoutAKeyTheDefaultsOnlyNormaliseLineEnds)
{
    EXPECT_EQ(FormatText("a\r\nb", nullptr), "a\nb\n");
    EXPECT_EQ(FormatText("", nullptr), "");
    EXPECT_EQ(SpecialFormatText("", nullptr, 0, 0, 0, 0, 0, 1, 0, 0, 1), "");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(SettingsKey::Exists()) << "formatting never creates the key";
}

TEST_F(FormatExportsTest, StoredOptionsApplyUnlessTheCallerReplacesThem)
{
    SettingsKey::SetNumber("DeleteTrailingWhiteSpace", 1);
    EXPECT_EQ(FormatText("a  \nb\t\n", nullptr), "a\nb\n");
    EXPECT_EQ(SpecialFormatText("a  \n", nullptr, 2, 2, 2, 3, 3, 0, 0, 0, 0), "a  \n");
    EXPECT_TRUE(boxes.shown.empty());
}

// The nine values reach their options in parameter order.
TEST_F(FormatExportsTest, OperatorContractKeepsTokensApart)
{
    EXPECT_EQ(SpecialFormatText("q = m & &n;\nv<v<int> > w;\n", nullptr, 2, 1, 2, 2, 2, 0, 0, 0, 0),
              "q=m& &n;\nv<v<int> >w;\n");
}

TEST_F(FormatExportsTest, ProgressReachesTheDialogsWindowOncePerPercent)
{
    ProgressWindow window;
    ASSERT_NE(window.dialog.GetSafeHwnd(), nullptr);
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "x;\n";
    EXPECT_EQ(SpecialFormatText(text, &window.dialog, 2, 2, 2, 3, 3, 0, 0, 0, 0), text);
    std::vector<LPARAM> expected(99);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(progressSeen, expected);
}

TEST_F(FormatExportsTest, AFailureWhileLoadingNamesTheExportAndReturnsNothing)
{
    // A factory that cannot give a store: the one failure of the loading
    // step that can be caused from outside the library.
    const SettingsStoreFactory noStore = []() -> std::unique_ptr<ISettingsStore> { return nullptr; };
    const SettingsStoreFactory registry = SetLibrarySettingsStoreFactory(noStore);
    EXPECT_EQ(FormatText("a\n", nullptr), "");
    EXPECT_EQ(SpecialFormatText("a\n", nullptr, 2, 2, 2, 3, 3, 0, 0, 0, 0), "");
    EXPECT_EQ(SetLibrarySettingsStoreFactory(registry), noStore);

    std::vector<std::string> shown;
    for (const ShownBox& box : boxes.shown)
        shown.push_back(box.caption + ": " + box.text +
                        (box.owner || box.type != MB_OK ? " (owned or not MB_OK)" : ""));
    EXPECT_EQ(shown, (std::vector<std::string>{"QLShared DLL: Unexpected error in DLL entry point 1004",
                                               "QLShared DLL: Unexpected error in DLL entry point 1007"}));
}
