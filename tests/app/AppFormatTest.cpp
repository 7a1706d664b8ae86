// The Format menu over the list's selection: files rewritten in place, the
// progress dialog over a disabled frame, the write-failure question.
#include "AppHarness.h"
#include "SystemErrorText.h"
#include "win/SettingsKey.h"

#include <commctrl.h>

#include <map>
#include <memory>
#include <type_traits>

namespace
{

// Each dialog as it is set up: its caption, and whether the frame under it
// still took input; and each file the progress dialog named.
std::vector<std::string> g_dialogs;
std::vector<std::string> g_files;
HWND g_frame = nullptr;

LRESULT CALLBACK RecordDialog(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    static const std::string formatting = "Formatting file: ";
    if (code == HC_ACTION && call->message == WM_INITDIALOG)
        g_dialogs.push_back(WindowText(call->hwnd) + (IsWindowEnabled(g_frame) ? " over an enabled frame" : ""));
    if (code == HC_ACTION && call->message == WM_SETTEXT &&
        std::string(reinterpret_cast<const char*>(call->lParam)).rfind(formatting, 0) == 0)
        g_files.push_back(reinterpret_cast<const char*>(call->lParam) + formatting.size());
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Records the dialogs shown while the result lives.
std::unique_ptr<std::remove_pointer_t<HHOOK>, decltype(&UnhookWindowsHookEx)> WatchDialogs(HWND frame)
{
    g_dialogs.clear();
    g_files.clear();
    g_frame = frame;
    return {SetWindowsHookExA(WH_CALLWNDPROCRET, RecordDialog, nullptr, GetCurrentThreadId()), &UnhookWindowsHookEx};
}

const char kTrailing[] = "int a;   \r\nint b;\t\r\n";
const char kTrimmed[] = "int a;\r\nint b;\r\n";

} // namespace

class AppFormatTest : public AppTest
{
protected:
    // Projects p (a.c, b.c, notes.txt) and q (c.c), every source with
    // trailing blanks.
    void SetUp() override
    {
        AppTest::SetUp();
        folder.Write("fmt\\w.dsw", "Workspace\r\n"
                                   "Project: \"p\"=.\\p\\p.dsp - Package Owner=<4>\r\n"
                                   "Project: \"q\"=.\\q\\q.dsp - Package Owner=<4>\r\n");
        folder.Write("fmt\\p\\p.dsp", Sources({"a.c", "b.c", "notes.txt"}));
        folder.Write("fmt\\q\\q.dsp", Sources({"c.c"}));
        for (const char* file : {"p\\a.c", "p\\b.c", "p\\notes.txt", "q\\c.c"})
            folder.Write(std::string("fmt\\") + file, kTrailing);
        Start({folder.PathOf("fmt\\w.dsw")});
        MapItems();
    }

    // The items of the active window's list by their names, every project
    // expanded.
    void MapItems()
    {
        items.clear();
        CColumnTree& tree = ActiveView().Tree();
        for (HTREEITEM project = tree.GetRootItem(); project; project = tree.GetNextSiblingItem(project))
        {
            items[tree.GetItemText(project, 0)] = project;
            SendMessageA(tree.TreeHandle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(project));
            for (HTREEITEM file = tree.GetChildItem(project); file; file = tree.GetNextSiblingItem(file))
                items[tree.GetItemText(file, 0)] = file;
        }
    }

    static std::string Sources(const std::vector<std::string>& names)
    {
        std::string text;
        for (const std::string& name : names)
            text += "# Begin Source File\r\n\r\nSOURCE=" + name + "\r\n# End Source File\r\n";
        return text;
    }

    // A click on the item's label with the keys held (MK_CONTROL).
    void Click(const std::string& name, WPARAM keys = 0)
    {
        HWND tree = ActiveView().Tree().TreeHandle();
        RECT rect{};
        const HTREEITEM item = items.at(name);
        memcpy(&rect, &item, sizeof(item));
        ASSERT_TRUE(SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect))) << name;
        const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageA(tree, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
        SendMessageA(tree, WM_LBUTTONUP, keys, at);
    }

    // Which of the sources were trimmed, as "a b c".
    std::string Trimmed()
    {
        std::string names;
        for (const char* file : {"p\\a.c", "p\\b.c", "p\\notes.txt", "q\\c.c"})
        {
            const std::string bytes = folder.Read(std::string("fmt\\") + file);
            EXPECT_TRUE(bytes == kTrailing || bytes == kTrimmed) << file << ": " << bytes;
            if (bytes == kTrimmed)
                names += (names.empty() ? "" : " ") + std::string(file).substr(2, 1);
        }
        return names;
    }

    std::map<std::string, HTREEITEM> items;
};

TEST_F(AppFormatTest, TheChosenFilesAreRewrittenUnderTheProgressDialog)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<const char*, WPARAM>> clicks;
        const char* trimmed;
        std::vector<std::string> shown; // by the progress dialog
    };
    const Case cases[] = {
        {"projects stand for their files",
         {{".\\p\\p.dsp", 0}, {".\\q\\q.dsp", MK_CONTROL}},
         "a b c",
         {"a.c", "b.c", "c.c"}},
        {"files of two projects", {{"a.c", 0}, {"c.c", MK_CONTROL}}, "a c", {"a.c", "c.c"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        for (const char* file : {"p\\a.c", "p\\b.c", "q\\c.c"})
            folder.Write(std::string("fmt\\") + file, kTrailing);
        for (const auto& click : c.clicks)
            Click(click.first, click.second);
        const auto watch = WatchDialogs(FrameWindow());
        Command(ID_FORMAT_DELETE_TRAILING);
        EXPECT_EQ(c.trimmed, Trimmed());
        EXPECT_EQ((std::vector<std::string>{"Formatting Files"}), g_dialogs);
        EXPECT_EQ(c.shown, g_files);
        EXPECT_TRUE(IsWindowEnabled(FrameWindow()));
    }
}

TEST_F(AppFormatTest, AFileThatCannotBeWrittenAsksWhetherToGoOn)
{
    // The stored settings of a full format trim trailing blanks too.
    SettingsKey settings;
    settings.SetNumber("DeleteTrailingWhiteSpace", 1);
    Click(".\\p\\p.dsp");
    MessageBoxScript boxes(IDYES);
    {
        // Another program holds a.c open for reading only.
        const std::unique_ptr<void, decltype(&CloseHandle)> lock(CreateFileA(folder.PathOf("fmt\\p\\a.c").c_str(),
                                                                             GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                                             OPEN_EXISTING, 0, nullptr),
                                                                 &CloseHandle);
        ASSERT_NE(INVALID_HANDLE_VALUE, lock.get());
        Command(ID_FORMAT_FULL);
    }
    ASSERT_EQ(1u, boxes.shown.size());
    EXPECT_EQ("Write Error encount with file:\n\na.c\n\nProceed with other files?", boxes.shown[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), boxes.shown[0].type & MB_TYPEMASK);
    EXPECT_EQ("b", Trimmed());
    EXPECT_EQ(kTrailing, folder.Read("fmt\\p\\a.c"));
}

TEST_F(AppFormatTest, FilesTheRunSkipsAreNamedWithTheirCauseAtTheEnd)
{
    const std::string nul = std::string(kTrailing) + '\0' + "int c;   \r\n";
    folder.Write("fmt\\p\\b.c", nul);
    Click(".\\p\\p.dsp");
    Click(".\\q\\q.dsp", MK_CONTROL);
    MessageBoxScript boxes;
    {
        // Another program holds a.c open without sharing it.
        const std::unique_ptr<void, decltype(&CloseHandle)> lock(
            CreateFileA(folder.PathOf("fmt\\p\\a.c").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            &CloseHandle);
        ASSERT_NE(INVALID_HANDLE_VALUE, lock.get());
        Command(ID_FORMAT_DELETE_TRAILING);
    }
    ASSERT_EQ(1u, boxes.shown.size());
    EXPECT_EQ(FrameWindow(), boxes.shown[0].owner);
    EXPECT_EQ("Quillet", boxes.shown[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), boxes.shown[0].type);
    EXPECT_EQ("These files were skipped and left as they were:\n\n"
              "a.c: cannot be read: " +
                  SystemErrorText(ERROR_SHARING_VIOLATION) + "\nb.c: holds a NUL byte",
              boxes.shown[0].text);
    EXPECT_EQ(kTrailing, folder.Read("fmt\\p\\a.c"));
    EXPECT_EQ(nul, folder.Read("fmt\\p\\b.c"));
    EXPECT_EQ(kTrimmed, folder.Read("fmt\\q\\c.c")) << "the run went on";
}

TEST_F(AppFormatTest, AfterARunEveryWindowShowsTheNewCountsAndTheStatusBarSaysWhatChanged)
{
    // c.c ends without a line end, which the run adds: one more line.
    folder.Write("fmt\\q\\c.c", "int c;   ");
    Command(ID_WINDOW_NEW);
    MapItems();
    Click(".\\q\\q.dsp");
    Click("b.c", MK_CONTROL);
    Command(ID_FORMAT_DELETE_TRAILING);
    EXPECT_EQ("int c;\r\n", folder.Read("fmt\\q\\c.c"));
    for (CView* view : app->GetDocTemplate()->Documents().at(0)->Views())
    {
        const CColumnTree& tree = static_cast<CMetricsView*>(view)->Tree();
        const HTREEITEM p = tree.GetRootItem(), q = tree.GetNextSiblingItem(p);
        EXPECT_EQ("2", tree.GetItemText(tree.GetNextSiblingItem(tree.GetChildItem(p)), 1));
        EXPECT_EQ("4", tree.GetItemText(p, 1));
        EXPECT_EQ("1", tree.GetItemText(tree.GetChildItem(q), 1));
        EXPECT_EQ("1", tree.GetItemText(q, 1));
    }
    EXPECT_EQ("Delete trailing whitespace: 2 of 2 files changed", Frame().StatusBar().GetPaneText(0));
}
