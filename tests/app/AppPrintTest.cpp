// Print preview of the list in the program's frame, on a printer of the
// prefix whose jobs go nowhere.
#include "AppHarness.h"

#include "PrintPreview.h"
#include "StandardIds.h"

namespace
{

// The prefix's default printer, made by the program tools/wine-printer.sh runs.
bool MakeDefaultPrinter()
{
    std::string command =
        std::string("\"") + ADD_FILE_PRINTER + "\" \"Quillet File Printer\" QUILLETFILE: \"|cat > /dev/null\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}

TEST_F(AppTest, PrintPreviewTakesTheListsPlaceUntilItCloses)
{
    ASSERT_TRUE(MakeDefaultPrinter());
    const DWORD pages = 2;
    ASSERT_EQ(ERROR_SUCCESS, SHSetValueA(HKEY_CURRENT_USER, (std::string(ProfileKey) + "\\Settings").c_str(),
                                         "PreviewPages", REG_DWORD, &pages, sizeof pages));
    Start({workspace});

    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_TRUE(Frame().InPreview());
    auto* preview = static_cast<CPrintPreview*>(CWnd::FromHandle(Frame().PreviewWindow()));
    ASSERT_NE(nullptr, preview);
    EXPECT_EQ(2, preview->PagesPerScreen());
    EXPECT_FALSE(IsWindowVisible(Frame().MDIClient()));
    EXPECT_EQ("Page 1 of 1", Frame().StatusBar().GetPaneText(0));
    // The list is hidden: the Format commands cannot act on its selection.
    EXPECT_FALSE(Frame().ToolBar().IsButtonEnabled(ID_FORMAT_REINDENT));

    Command(CPrintPreview::CloseCommand);
    EXPECT_FALSE(Frame().InPreview());
    EXPECT_TRUE(IsWindowVisible(Frame().MDIClient()));
    EXPECT_EQ("Ready", Frame().StatusBar().GetPaneText(0));
    EXPECT_EQ(1u, Children().size());
    EXPECT_TRUE(Frame().ToolBar().IsButtonEnabled(ID_FORMAT_REINDENT));
}

} // namespace
