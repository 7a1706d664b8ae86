#include "MessageBoxScript.h"
#include "ProgressDlg.h"
#include "QLShared.h"
#include "SettingNames.h"
#include "SettingsKey.h"
#include "SettingsStoreFactory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "x = " + std::to_string(i) + ";\n";
    return text;
}

// A factory that cannot give a store, the one failure of the loading step a
// test can cause from outside the library.
std::unique_ptr<ISettingsStore> CreateNoStore()
{
    return nullptr;
}

// Puts a store factory in place for one scope.
class StoreFactoryScope
{
public:
    explicit StoreFactoryScope(SettingsStoreFactory factory) : m_previous(SetSettingsStoreFactory(factory)) {}
    ~StoreFactoryScope() { SetSettingsStoreFactory(m_previous); }

private:
    SettingsStoreFactory m_previous;
};

// A hidden top-level window that records the progress messages it receives,
// standing in for the progress dialog's window.
std::vector<LPARAM> progressSeen;
std::vector<WPARAM> progressWParams;

LRESULT CALLBACK RecordProgress(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER)
    {
        progressSeen.push_back(lParam);
        progressWParams.push_back(wParam);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class ProgressWindow
{
public:
    ProgressWindow()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &RecordProgress;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "QuilletProgressRecorder";
        RegisterClassA(&windowClass);
        m_hwnd = CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
        progressSeen.clear();
        progressWParams.clear();
        m_dialog.m_hWnd = m_hwnd;
    }
    ~ProgressWindow()
    {
        // The window is not the dialog's own: it must not try to destroy it.
        m_dialog.m_hWnd = nullptr;
        DestroyWindow(m_hwnd);
    }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    CProgressDlg* Dialog() { return &m_dialog; }
    bool IsValid() const { return m_hwnd != nullptr; }

private:
    HWND m_hwnd = nullptr;
    CProgressDlg m_dialog;
};

class FormatExportsTest : public ::testing::Test
{
protected:
    void SetUp() override { SettingsKey::Delete(); }
    void TearDown() override { SettingsKey::Delete(); }
};

void ExpectLibraryBox(const ShownBox& box, const std::string& text)
{
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, "QLShared DLL");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
}

} // namespace

TEST_F(FormatExportsTest, WithoutAKeyTheDefaultsOnlyNormaliseLineEnds)
{
    MessageBoxScript boxes;
    EXPECT_EQ(FormatText("a\r\nb", nullptr), "a\nb\n");
    EXPECT_EQ(FormatText("\n", nullptr), "\n");
    EXPECT_EQ(FormatText("", nullptr), "");
    EXPECT_EQ(SpecialFormatText("", nullptr, 0, 0, 0, 0, 0, 1, 0, 0, 1), "");
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_FALSE(SettingsKey::Exists()) << "formatting never creates the key";
}

TEST_F(FormatExportsTest, StoredOptionsApplyAndSpecialValuesOverrideThem)
{
    SettingsKey::SetNumber(SettingNames::DeleteTrailingWhiteSpace, 1);
    MessageBoxScript boxes;
    EXPECT_EQ(FormatText("a  \nb\t\n", nullptr), "a\nb\n");
    EXPECT_EQ(SpecialFormatText("a  \n", nullptr, 2, 2, 2, 3, 3, 0, 0, 0, 0), "a  \n");
    EXPECT_EQ(SpecialFormatText("a  \n", nullptr, 2, 2, 2, 3, 3, 0, 0, 0, 1), "a\n");
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(FormatExportsTest, ProgressReachesTheDialogsWindowOncePerPercent)
{
    ProgressWindow window;
    ASSERT_TRUE(window.IsValid());
    MessageBoxScript boxes;
    const std::string text = Lines(200);
    EXPECT_EQ(SpecialFormatText(text, window.Dialog(), 2, 2, 2, 3, 3, 0, 0, 0, 0), text);
    std::vector<LPARAM> expected;
    for (int percent = 1; percent <= 99; ++percent)
        expected.push_back(percent);
    EXPECT_EQ(progressSeen, expected);
    EXPECT_EQ(progressWParams, std::vector<WPARAM>(99, 0));

    progressSeen.clear();
    EXPECT_EQ(FormatText("one line\n", window.Dialog()), "one line\n");
    EXPECT_TRUE(progressSeen.empty()) << "a text of one line sends nothing";
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(FormatExportsTest, AnExceptionWhileLoadingNamesTheExportAndReturnsNothing)
{
    StoreFactoryScope failing(&CreateNoStore);
    MessageBoxScript boxes;
    EXPECT_EQ(FormatText("a\n", nullptr), "");
    ASSERT_EQ(boxes.Shown().size(), 1u);
    ExpectLibraryBox(boxes.Shown()[0], "Unexpected error in DLL entry point 1004");

    EXPECT_EQ(SpecialFormatText("a\n", nullptr, 2, 2, 2, 3, 3, 0, 0, 0, 0), "");
    ASSERT_EQ(boxes.Shown().size(), 2u);
    ExpectLibraryBox(boxes.Shown()[1], "Unexpected error in DLL entry point 1007");
}

TEST_F(FormatExportsTest, TheStoreFactoryCanBeRestored)
{
    SettingsKey::SetNumber(SettingNames::DeleteTrailingWhiteSpace, 1);
    const SettingsStoreFactory registry = SetSettingsStoreFactory(&CreateNoStore);
    EXPECT_EQ(SetSettingsStoreFactory(nullptr), &CreateNoStore);
    EXPECT_EQ(SetSettingsStoreFactory(registry), registry);
    MessageBoxScript boxes;
    EXPECT_EQ(FormatText("a \n", nullptr), "a\n");
    EXPECT_TRUE(boxes.Shown().empty());
}
