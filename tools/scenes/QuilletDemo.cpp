// Not a test: Quillet.exe's own windows in a scene for tools/screenshot.sh,
// ending by itself after the given seconds.
//
//   quillet_demo SCENE [WORKSPACE.dsw] [SECONDS]
//
// empty: the frame alone; list: the workspace open, its projects expanded;
// menu: its Format menu
// open; progress: Reindent running over a generated workspace of large
// files, again and again; tiled: the workspace open twice, tiled.
#include "MainFrame.h"
#include "MetricsView.h"
#include "QuilletApp.h"
#include "QuilletRes.h"

#include <cstdlib>
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

// The Format popup opened under its title on the menu bar.
void CALLBACK OpenFormatMenu(HWND frame, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(frame, timer);
    HMENU bar = GetMenu(frame);
    const int format = 2;
    RECT title{};
    GetMenuItemRect(frame, bar, format, &title);
    HiliteMenuItem(frame, bar, format, MF_BYPOSITION | MF_HILITE);
    TrackPopupMenu(GetSubMenu(bar, format), TPM_LEFTALIGN | TPM_TOPALIGN, title.left, title.bottom, 0, frame, nullptr);
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
        SetTimer(frame, kSceneTimer, 1000, OpenFormatMenu);
    SetTimer(frame, kEndTimer, static_cast<UINT>(seconds) * 1000, End);
    return app.Run();
}
