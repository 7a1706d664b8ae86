// Not a test: Quillet.exe's own windows in a scene for tools/screenshot.sh,
// ending by itself after the given seconds.
//
//   quillet_demo SCENE [WORKSPACE.dsw] [SECONDS]
//
// empty: the frame alone; list: the workspace open, its projects expanded;
// menu: its Format menu open; windows: two windows of the workspace, the
// Window menu open; maximised: the second of them maximised; batch: Reindent
// run over every project (give a scratch copy: its files are rewritten), the
// status bar saying what it did; progress: Reindent running over a generated
// workspace of large files, again and again; tiled: the workspace open
// twice, tiled.
#include "MainFrame.h"
#include "MetricsView.h"
#include "QuilletApp.h"
#include "QuilletRes.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{

const UINT_PTR kEndTimer = 1;
const UINT_PTR kSceneTimer = 2;
bool g_ending = false;
bool g_formatting = false;

// A run in progress ends the program itself once it is done.
void CALLBACK End(HWND frame, UINT, UINT_PTR, DWORD)
{
    g_ending = true;
    EndMenu();
    if (!g_formatting)
        PostMessageA(frame, WM_CLOSE, 0, 0);
}

// The menu bar's popup at position g_menu, opened under its title.
int g_menu = 0;
void CALLBACK OpenMenu(HWND frame, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(frame, timer);
    HMENU bar = GetMenu(frame);
    // A maximised window's system menu comes first on the bar.
    const int position = g_menu + (GetMenuItemCount(bar) > 5 ? 1 : 0);
    RECT title{};
    GetMenuItemRect(frame, bar, position, &title);
    HiliteMenuItem(frame, bar, position, MF_BYPOSITION | MF_HILITE);
    TrackPopupMenu(GetSubMenu(bar, position), TPM_LEFTALIGN | TPM_TOPALIGN, title.left, title.bottom, 0, frame,
                   nullptr);
}

// Every project selected, Ctrl+clicked as a user would, then Reindent.
void CALLBACK ReindentAll(HWND frame, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(frame, timer);
    CColumnTree& tree = static_cast<CMetricsView*>(CWinApp::Get()->GetMainFrame()->GetActiveView())->Tree();
    bool first = true;
    for (HTREEITEM project = tree.GetRootItem(); project; project = tree.GetNextSiblingItem(project))
    {
        RECT rect{};
        std::memcpy(&rect, &project, sizeof(project));
        SendMessageA(tree.TreeHandle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
        const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        const WPARAM keys = first ? 0 : MK_CONTROL;
        SendMessageA(tree.TreeHandle(), WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
        SendMessageA(tree.TreeHandle(), WM_LBUTTONUP, keys, at);
        first = false;
    }
    SendMessageA(frame, WM_COMMAND, ID_FORMAT_REINDENT, 0);
}

void CALLBACK Reindent(HWND frame, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(frame, timer);
    g_formatting = true;
    while (!g_ending)
        SendMessageA(frame, WM_COMMAND, ID_FORMAT_REINDENT, 0);
    g_formatting = false;
    PostMessageA(frame, WM_CLOSE, 0, 0);
}

// Ten projects of large, flat sources: each run takes a while.
std::string GenerateWorkspace()
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / "quillet-demo";
    fs::create_directories(root);
    std::ofstream workspace(root / "big.dsw", std::ios::binary);
    workspace << "Workspace\r\n";
    for (int project = 0; project < 10; ++project)
    {
        const std::string name = "module" + std::to_string(project);
        fs::create_directories(root / name);
        workspace << "Project: \"" << name << "\"=.\\" << name << "\\" << name << ".dsp - Package Owner=<4>\r\n";
        std::ofstream dsp(root / name / (name + ".dsp"), std::ios::binary);
        for (int file = 0; file < 10; ++file)
        {
            const std::string source = "part" + std::to_string(file) + ".cpp";
            dsp << "# Begin Source File\r\nSOURCE=" << source << "\r\n# End Source File\r\n";
            std::ofstream text(root / name / source, std::ios::binary);
            for (int function = 0; function < 400; ++function)
                text << "int f" << function << "(int a)\r\n{\r\nif (a > 0)\r\n{\r\nreturn a * 2; // twice\r\n}\r\n"
                     << "return 0;\r\n}\r\n";
        }
    }
    return (root / "big.dsw").string();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string scene = __argc > 1 ? __argv[1] : "list";
    std::string workspace = __argc > 2 ? __argv[2] : "";
    const int seconds = __argc > 3 ? std::atoi(__argv[3]) : 10;
    if (scene == "progress")
        workspace = GenerateWorkspace();

    CQuilletApp app;
    app.m_showCommand = SW_SHOWMAXIMIZED;
    if (!app.InitInstance({}))
        return 1;
    HWND frame = app.GetMainFrame()->GetSafeHwnd();
    if (scene != "empty" && !workspace.empty())
        app.OpenDocumentFile(workspace);
    if (scene == "windows" || scene == "maximised")
    {
        SendMessageA(frame, WM_COMMAND, ID_WINDOW_NEW, 0);
        HWND client = app.GetMainFrame()->MDIClient();
        if (scene == "maximised")
        {
            SendMessageA(client, WM_MDIMAXIMIZE, SendMessageA(client, WM_MDIGETACTIVE, 0, 0), 0);
        }
        else
        {
            SendMessageA(frame, WM_COMMAND, ID_WINDOW_CASCADE, 0);
            g_menu = 3;
            SetTimer(frame, kSceneTimer, 1000, OpenMenu);
        }
    }
    if (scene == "batch")
        SetTimer(frame, kSceneTimer, 1000, ReindentAll);
    if (scene == "tiled")
    {
        app.OpenDocumentFile(workspace);
        SendMessageA(frame, WM_COMMAND, ID_WINDOW_TILE_HORZ, 0);
    }
    if (scene == "progress")
    {
        CColumnTree& tree = static_cast<CMetricsView*>(app.GetMainFrame()->GetActiveView())->Tree();
        SendMessageA(tree.TreeHandle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(tree.GetRootItem()));
        SetTimer(frame, kSceneTimer, 1000, Reindent);
    }
    if (scene == "list")
    {
        CColumnTree& tree = static_cast<CMetricsView*>(app.GetMainFrame()->GetActiveView())->Tree();
        for (HTREEITEM project = tree.GetRootItem(); project; project = tree.GetNextSiblingItem(project))
            SendMessageA(tree.TreeHandle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(project));
    }
    if (scene == "menu")
    {
        g_menu = 2;
        SetTimer(frame, kSceneTimer, 1000, OpenMenu);
    }
    SetTimer(frame, kEndTimer, static_cast<UINT>(seconds) * 1000, End);
    return app.Run();
}
