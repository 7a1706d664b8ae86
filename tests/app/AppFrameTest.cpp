// The frame's own parts: recent files in the profile, toolbar and status bar,
// the settings sheet and help.
#include "AppHarness.h"

#include "win/HelpRequests.h"
#include "win/ModalScript.h"
#include "win/SettingsKey.h"
#include "win/ShellClasses.h"

#include <commctrl.h>
#include <ddeml.h>
#include <shlwapi.h>

namespace
{

// A string of the current user's registry; empty when missing.
std::string RegistryText(const std::string& key, const char* name = nullptr)
{
    char value[MAX_PATH + 32] = {};
    DWORD size = sizeof(value);
    RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

std::string RecentFile(int number)
{
    return RegistryText("Software\\Tamsel Software\\Quillet\\Recent File List",
                        ("File" + std::to_string(number)).c_str());
}

HDDEDATA CALLBACK NoCallbacks(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

// Ending the instance ends its conversations and frees its strings.
struct DdeInstance
{
    DWORD id = 0;
    ~DdeInstance() { DdeUninitialize(id); }
};

} // namespace

TEST_F(AppTest, TheShellRegistrationTakesTheExtensionOnlyWhenNobodyOwnsItAndWritesTheDocumentTypeEveryTime)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string program = std::string("\"") + module + "\"", document = "Software\\Classes\\Quillet.Document";
    struct Case
    {
        const char* name;
        HKEY hive; // where the owner was registered before the program ran
        const char* owner;
        const char* afterwards; // the extension's file type, for this user
    };
    const Case cases[] = {
        {"no owner", nullptr, nullptr, "Quillet.Document"},
        {"an empty owner", HKEY_CURRENT_USER, "", "Quillet.Document"},
        {"the user's own choice", HKEY_CURRENT_USER, "MSDEV.Workspace", "MSDEV.Workspace"},
        {"a program installed for the machine", HKEY_LOCAL_MACHINE, "MSDEV.Workspace", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ShellClasses classes;
        if (c.hive)
        {
            ASSERT_EQ(ERROR_SUCCESS, SHSetValueA(c.hive, "Software\\Classes\\.dsw", nullptr, REG_SZ, c.owner,
                                                 static_cast<DWORD>(strlen(c.owner) + 1)));
        }
        for (int start = 1; start <= 2; ++start)
        {
            SCOPED_TRACE("start " + std::to_string(start));
            // A stale command of an older registration is replaced too.
            SHSetValueA(HKEY_CURRENT_USER, (document + "\\shell\\open\\command").c_str(), nullptr, REG_SZ, "old", 4);
            app.reset();
            Start();
            EXPECT_EQ(c.afterwards, RegistryText("Software\\Classes\\.dsw"));
            EXPECT_EQ("Quillet Document", RegistryText(document));
            EXPECT_EQ(std::string(module) + ",1", RegistryText(document + "\\DefaultIcon"));
            EXPECT_EQ(program + " /dde", RegistryText(document + "\\shell\\open\\command"));
            EXPECT_EQ("[open(\"%1\")]", RegistryText(document + "\\shell\\open\\ddeexec"));
            EXPECT_EQ("Quillet", RegistryText(document + "\\shell\\open\\ddeexec\\application"));
            EXPECT_EQ(program + " /p \"%1\"", RegistryText(document + "\\shell\\print\\command"));
            EXPECT_EQ(program + " /pt \"%1\" \"%2\" \"%3\" \"%4\"",
                      RegistryText(document + "\\shell\\printto\\command"));
        }
    }
}

TEST_F(AppTest, StartedForTheShellsDdeTheProgramOpensWhatTheRequestsName)
{
    // The shell starts the program with /dde, then sends its request.
    Start({"/dde"});
    EXPECT_TRUE(Children().empty());
    EXPECT_TRUE(IsWindowVisible(FrameWindow()));

    // The running program opens them when the shell asks by DDE: true when
    // it carried the command out.
    DdeInstance shell;
    ASSERT_EQ(static_cast<UINT>(DMLERR_NO_ERROR), DdeInitializeA(&shell.id, NoCallbacks, APPCMD_CLIENTONLY, 0));
    const HCONV conversation = DdeConnect(shell.id, DdeCreateStringHandleA(shell.id, "Quillet", CP_WINANSI),
                                          DdeCreateStringHandleA(shell.id, "System", CP_WINANSI), nullptr);
    ASSERT_NE(nullptr, conversation);
    const auto execute = [conversation](std::string command)
    {
        return DdeClientTransaction(reinterpret_cast<BYTE*>(&command[0]), static_cast<DWORD>(command.size() + 1),
                                    conversation, nullptr, 0, XTYP_EXECUTE, 5000, nullptr) != nullptr;
    };
    EXPECT_TRUE(execute("[open(\"" + workspace + "\")]"));
    Pump();
    ASSERT_EQ(1u, Children().size());
    EXPECT_EQ("example.dsw", WindowText(Children()[0]));
    MessageBoxScript boxes;
    EXPECT_FALSE(execute("[print(\"" + workspace + "\")]"));
    EXPECT_FALSE(execute("[open(\"" + folder.PathOf("missing.dsw") + "\")]"));
    Pump();
    EXPECT_EQ(1u, Children().size());
}

TEST_F(AppTest, OpenedWorkspacesAreListedUnderFileAndKeptInTheProfile)
{
    const std::string second = folder.PathOf("two\\example.dsw");
    folder.Copy(folder.PathOf("ws"), "two");
    Start({workspace});
    app->OpenDocumentFile(second);
    app->OpenDocumentFile(workspace);
    EXPECT_EQ(workspace, RecentFile(1));
    EXPECT_EQ(second, RecentFile(2));
    EXPECT_EQ("", RecentFile(3));

    // A later start shows them, and picking one opens it.
    app.reset();
    Start();
    const std::vector<std::string> file = MenuTexts(OpenPopup("&File"));
    ASSERT_EQ(8u, file.size());
    EXPECT_EQ("&1 " + workspace, file[4]);
    EXPECT_EQ("&2 " + second, file[5]);
    Command(ID_FILE_MRU_FIRST + 1);
    ASSERT_EQ(1u, Children().size());
    EXPECT_EQ(second, RecentFile(1));

    // A path relative to the current folder is kept as the full path.
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA(folder.PathOf("ws").c_str());
    EXPECT_NE(nullptr, app->OpenDocumentFile("example.dsw"));
    SetCurrentDirectoryA(current);
    EXPECT_EQ(workspace, RecentFile(1));
}

TEST_F(AppTest, PromptsAppearInTheStatusBarAndTooltips)
{
    Start();
    CStatusBar& status = Frame().StatusBar();
    EXPECT_EQ("Ready", status.GetPaneText(0));
    SendMessageA(FrameWindow(), WM_MENUSELECT, MAKEWPARAM(ID_FORMAT_REINDENT, MF_STRING),
                 reinterpret_cast<LPARAM>(GetMenu(FrameWindow())));
    EXPECT_EQ("Reindent using current brace and tab rules", status.GetPaneText(0));

    // A toolbar button under the mouse shows its prompt too.
    NMTBHOTITEM hot{};
    hot.hdr.hwndFrom = Frame().ToolBar().GetSafeHwnd();
    hot.hdr.code = TBN_HOTITEMCHANGE;
    hot.idNew = ID_FORMAT_UNTABIFY;
    SendMessageA(FrameWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ("Replace tabs with spaces", status.GetPaneText(0));

    NMTTDISPINFOA tip{};
    tip.hdr.hwndFrom = Frame().ToolBar().GetSafeHwnd();
    tip.hdr.idFrom = ID_FORMAT_TABIFY;
    tip.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(FrameWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ("Tabify", tip.lpszText);
}

TEST_F(AppTest, TheViewMenuShowsAndHidesTheBars)
{
    Start();
    for (UINT id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR})
    {
        SCOPED_TRACE(id);
        HWND bar = GetDlgItem(FrameWindow(), id);
        RECT before{};
        GetWindowRect(Frame().MDIClient(), &before);
        EXPECT_TRUE(IsWindowVisible(bar));
        EXPECT_TRUE(GetMenuState(OpenPopup("&View"), id, MF_BYCOMMAND) & MF_CHECKED);
        Command(id);
        EXPECT_FALSE(IsWindowVisible(bar));
        EXPECT_FALSE(GetMenuState(OpenPopup("&View"), id, MF_BYCOMMAND) & MF_CHECKED);
        RECT after{};
        GetWindowRect(Frame().MDIClient(), &after);
        EXPECT_GT(after.bottom - after.top, before.bottom - before.top);
        Command(id);
        EXPECT_TRUE(IsWindowVisible(bar));
    }
}

TEST_F(AppTest, SettingsOpenTheFormatSheetOverTheFrame)
{
    Start();
    HWND owner = nullptr;
    {
        ModalScript cancel("Format Settings", [&owner](HWND sheet) { owner = GetWindow(sheet, GW_OWNER); });
        Command(ID_FORMAT_SETTINGS);
    }
    EXPECT_EQ(FrameWindow(), owner);
}

TEST_F(AppTest, HelpOpensTheProgramsHelpFileElseTheManualBesideItElseNamesBothPathsLookedFor)
{
    // The program's own help file, beside it, whatever the add-in's
    // installation folder says.
    SettingsKey settings;
    settings.Set("Install Path", REG_SZ, "C:\\nowhere", 11);
    Start();
    char module[MAX_PATH] = {};
    const std::string program(module, GetModuleFileNameA(nullptr, module, MAX_PATH));
    EXPECT_EQ(program.substr(0, program.rfind('.')) + ".hlp", app->m_helpFilePath);

    const std::string helpFile = folder.PathOf("Quillet.hlp"), manual = folder.PathOf("manual\\index.html");
    app->m_helpFilePath = helpFile;
    HelpRequests requests;
    struct Case
    {
        bool helpFile, manual, browserStarts;
        std::string opened, box;
    };
    const Case cases[] = {
        {true, true, true, "viewer 11 " + helpFile + " owned", ""},
        {false, true, true, "shell " + manual + " owned", ""},
        {false, true, false, "shell " + manual + " owned", "The manual could not be opened in a browser:\n\n" + manual},
        {false, false, true, "", "Neither the help file nor the manual could be found:\n\n" + helpFile + "\n" + manual},
    };
    for (const Case& c : cases)
    {
        std::filesystem::remove(helpFile);
        std::filesystem::remove_all(folder.PathOf("manual"));
        if (c.helpFile)
            folder.Write(helpFile, "?_");
        if (c.manual)
            folder.Write(manual, "<html>");
        requests.browserStarts = c.browserStarts;
        for (UINT id : {ID_HELP_FINDER, ID_HELP, ID_CONTEXT_HELP})
        {
            requests.opened.clear();
            MessageBoxScript boxes;
            Command(id);
            EXPECT_EQ(c.opened.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.opened},
                      requests.opened)
                << id;
            EXPECT_EQ(c.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box}, boxes.Texts())
                << id;
        }
    }
}

TEST_F(AppTest, TheToolbarIsDrawnInTheButtonFaceColour)
{
    Start();
    HWND bar = Frame().ToolBar().GetSafeHwnd();
    RECT client{}, last{};
    GetClientRect(bar, &client);
    SendMessageA(bar, TB_GETITEMRECT, SendMessageA(bar, TB_BUTTONCOUNT, 0, 0) - 1, reinterpret_cast<LPARAM>(&last));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageA(bar, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    // Beside the last button, and below the buttons.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(memory, last.right + 10, client.bottom / 2));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(memory, 2, client.bottom - 1));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(AppTest, TheToolbarDocksOnTheSideItIsDraggedTo)
{
    Start();
    HWND bar = Frame().ToolBar().GetSafeHwnd();
    RECT last{}, frame{};
    SendMessageA(bar, TB_GETITEMRECT, SendMessageA(bar, TB_BUTTONCOUNT, 0, 0) - 1, reinterpret_cast<LPARAM>(&last));
    GetClientRect(FrameWindow(), &frame);
    // Picked up beside its last button, dropped near the frame's left edge:
    // a column whose right edge meets the MDI client's left.
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(last.right + 20, (last.top + last.bottom) / 2));
    POINT drop{5, frame.bottom / 2};
    MapWindowPoints(FrameWindow(), bar, &drop, 1);
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
    RECT barRect{}, client{};
    GetWindowRect(bar, &barRect);
    GetWindowRect(Frame().MDIClient(), &client);
    EXPECT_EQ(barRect.right, client.left);
    EXPECT_GT(barRect.bottom - barRect.top, barRect.right - barRect.left);
}
