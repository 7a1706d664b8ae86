// The frame's own parts: recent files in the profile, toolbar and status bar,
// the settings sheet and help.
#include "AppHarness.h"

#include "SECRegistry.h"
#include "SettingsKey.h"
#include "win/ModalScript.h"

#include <commctrl.h>
#include <ddeml.h>

#include <map>

namespace
{

// A string of the current user's registry; empty when missing.
std::string RegistryText(const std::string& key, const char* name = nullptr)
{
    SECRegistry registry;
    char value[MAX_PATH + 32] = {};
    DWORD type = 0, size = MAX_PATH;
    if (!registry.Connect(HKEY_CURRENT_USER) || !registry.Open(key.c_str(), KEY_READ) ||
        !registry.QueryValue(name, type, reinterpret_cast<BYTE*>(value), size))
        return std::string();
    return value;
}

std::string RecentFile(int number)
{
    return RegistryText("Software\\Tamsel Software\\Quillet\\Recent File List",
                        ("File" + std::to_string(number)).c_str());
}

std::string ClassesValue(const std::string& key)
{
    return RegistryText("Software\\Classes\\" + key);
}

HDDEDATA CALLBACK NoCallbacks(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

// The shell's side of a DDE conversation with the running program.
class DdeClient
{
public:
    DdeClient()
    {
        EXPECT_EQ(static_cast<UINT>(DMLERR_NO_ERROR), DdeInitializeA(&m_instance, NoCallbacks, APPCMD_CLIENTONLY, 0));
        m_service = DdeCreateStringHandleA(m_instance, "Quillet", CP_WINANSI);
        m_topic = DdeCreateStringHandleA(m_instance, "System", CP_WINANSI);
        m_conversation = DdeConnect(m_instance, m_service, m_topic, nullptr);
    }
    ~DdeClient()
    {
        if (m_conversation)
            DdeDisconnect(m_conversation);
        DdeFreeStringHandle(m_instance, m_service);
        DdeFreeStringHandle(m_instance, m_topic);
        DdeUninitialize(m_instance);
    }
    DdeClient(const DdeClient&) = delete;
    DdeClient& operator=(const DdeClient&) = delete;

    bool Connected() const { return m_conversation != nullptr; }
    // True when the program carried the command out.
    bool Execute(const std::string& command)
    {
        DWORD result = 0;
        return DdeClientTransaction(reinterpret_cast<BYTE*>(const_cast<char*>(command.c_str())),
                                    static_cast<DWORD>(command.size() + 1), m_conversation, nullptr, 0, XTYP_EXECUTE,
                                    5000, &result) != nullptr;
    }

private:
    DWORD m_instance = 0;
    HSZ m_service = nullptr;
    HSZ m_topic = nullptr;
    HCONV m_conversation = nullptr;
};

// A point of the toolbar beside its buttons: past the last one, along the
// bar's length.
POINT PickUpPoint(HWND bar)
{
    RECT last{};
    SendMessageA(bar, TB_GETITEMRECT, SendMessageA(bar, TB_BUTTONCOUNT, 0, 0) - 1, reinterpret_cast<LPARAM>(&last));
    RECT client{};
    GetClientRect(bar, &client);
    const bool column = client.bottom > client.right;
    return column ? POINT{(last.left + last.right) / 2, last.bottom + 10}
                  : POINT{last.right + 20, (last.top + last.bottom) / 2};
}

} // namespace

TEST_F(AppTest, TheShellKnowsWorkspacesForTheCurrentUserAndOpensThemByDde)
{
    Start();
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string program = std::string("\"") + module + "\"";
    EXPECT_EQ("Quillet.Document", ClassesValue(".dsw"));
    EXPECT_EQ("Quillet Document", ClassesValue("Quillet.Document"));
    EXPECT_EQ(program + " \"%1\"", ClassesValue("Quillet.Document\\shell\\open\\command"));
    EXPECT_EQ(program + " /p \"%1\"", ClassesValue("Quillet.Document\\shell\\print\\command"));
    EXPECT_EQ("[open(\"%1\")]", ClassesValue("Quillet.Document\\shell\\open\\ddeexec"));

    // The running program opens them when the shell asks by DDE.
    DdeClient shell;
    ASSERT_TRUE(shell.Connected());
    EXPECT_TRUE(shell.Execute("[open(\"" + workspace + "\")]"));
    Pump();
    ASSERT_EQ(1u, Children().size());
    EXPECT_EQ("example.dsw", WindowText(Children()[0]));
    MessageBoxScript boxes;
    EXPECT_FALSE(shell.Execute("[print(\"" + workspace + "\")]"));
    EXPECT_FALSE(shell.Execute("[open(\"" + folder.PathOf("missing.dsw") + "\")]"));
    Pump();
    EXPECT_EQ(1u, Children().size());
}

TEST_F(AppTest, OpenedWorkspacesAreListedUnderFileAndKeptInTheProfile)
{
    const std::string second = folder.PathOf("two\\example.dsw");
    std::filesystem::copy(folder.PathOf("ws"), folder.PathOf("two"), std::filesystem::copy_options::recursive);
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

    // Ten at most, newest first.
    for (int copy = 0; copy < 11; ++copy)
    {
        const std::string path = folder.PathOf("ws\\copy" + std::to_string(copy) + ".dsw");
        std::filesystem::copy_file(workspace, path);
        app->OpenDocumentFile(path);
    }
    EXPECT_EQ(folder.PathOf("ws\\copy10.dsw"), RecentFile(1));
    EXPECT_EQ(folder.PathOf("ws\\copy1.dsw"), RecentFile(10));
    EXPECT_EQ("", RecentFile(11));
}

TEST_F(AppTest, PromptsAppearInTheStatusBarAndTooltips)
{
    Start();
    CStatusBar& status = Frame().StatusBar();
    EXPECT_EQ("Ready", status.GetPaneText(0));
    SendMessageA(FrameWindow(), WM_MENUSELECT, MAKEWPARAM(ID_FORMAT_REINDENT, MF_STRING),
                 reinterpret_cast<LPARAM>(GetMenu(FrameWindow())));
    EXPECT_EQ("Reindent using current brace and tab rules", status.GetPaneText(0));
    SendMessageA(FrameWindow(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ("Ready", status.GetPaneText(0));

    // A toolbar button under the mouse shows its prompt too.
    NMTBHOTITEM hot{};
    hot.hdr.hwndFrom = Frame().ToolBar().GetSafeHwnd();
    hot.hdr.code = TBN_HOTITEMCHANGE;
    hot.idNew = ID_FORMAT_UNTABIFY;
    SendMessageA(FrameWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ("Replace tabs with spaces", status.GetPaneText(0));
    hot.dwFlags = HICF_LEAVING;
    SendMessageA(FrameWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ("Ready", status.GetPaneText(0));

    NMTTDISPINFOA tip{};
    tip.hdr.hwndFrom = Frame().ToolBar().GetSafeHwnd();
    tip.hdr.idFrom = ID_FORMAT_TABIFY;
    tip.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(FrameWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ("Tabify", tip.lpszText);

    // The lock keys' indicators follow the keyboard.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CAPITAL] |= 1;
    keys[VK_NUMLOCK] &= ~1;
    SetKeyboardState(keys);
    Pump();
    EXPECT_EQ("CAP", status.GetPaneText(1));
    EXPECT_EQ("", status.GetPaneText(2));
    keys[VK_CAPITAL] &= ~1;
    SetKeyboardState(keys);
    Pump();
    EXPECT_EQ("", status.GetPaneText(1));
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

TEST_F(AppTest, SettingsOpenTheFormatSheetOverTheFrameAndHelpWithoutAHelpFileNamesThePathLookedFor)
{
    SettingsKey settings;
    settings.Set("Install Path", REG_SZ, "C:\\nowhere", 11);
    Start();
    HWND owner = nullptr;
    {
        ModalScript cancel("Format Settings", [&owner](HWND sheet) { owner = GetWindow(sheet, GW_OWNER); });
        Command(ID_FORMAT_SETTINGS);
    }
    EXPECT_EQ(FrameWindow(), owner);
    for (UINT id : {ID_HELP_FINDER, ID_HELP, ID_CONTEXT_HELP})
    {
        MessageBoxScript boxes;
        Command(id);
        ASSERT_EQ(1u, boxes.shown.size()) << id;
        EXPECT_NE(std::string::npos, boxes.shown[0].text.find("C:\\nowhere\\Quillet.hlp")) << boxes.shown[0].text;
    }
}

TEST_F(AppTest, TheToolbarDocksOnTheSideItIsDraggedTo)
{
    Start();
    HWND bar = Frame().ToolBar().GetSafeHwnd();
    RECT frame{};
    GetClientRect(FrameWindow(), &frame);
    // Picked up beside its last button, dropped near each edge in turn.
    struct Case
    {
        const char* side;
        POINT drop; // in the frame's client area
    };
    const Case cases[] = {{"left", {5, frame.bottom / 2}},
                          {"bottom", {frame.right / 2, frame.bottom - 30}},
                          {"right", {frame.right - 5, frame.bottom / 2}},
                          {"top", {frame.right / 2, 5}}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.side);
        const POINT grab = PickUpPoint(bar);
        SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grab.x, grab.y));
        POINT drop = c.drop;
        MapWindowPoints(FrameWindow(), bar, &drop, 1);
        SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
        RECT barRect{}, client{};
        GetWindowRect(bar, &barRect);
        GetWindowRect(Frame().MDIClient(), &client);
        const std::string side = c.side;
        // The bar's inner edge meets the MDI client's.
        const std::map<std::string, std::pair<LONG, LONG>> edges = {{"left", {barRect.right, client.left}},
                                                                    {"right", {barRect.left, client.right}},
                                                                    {"top", {barRect.bottom, client.top}},
                                                                    {"bottom", {barRect.top, client.bottom}}};
        EXPECT_EQ(edges.at(side).first, edges.at(side).second);
        const bool column = side == "left" || side == "right";
        EXPECT_EQ(column, barRect.bottom - barRect.top > barRect.right - barRect.left);
    }
}
