// Start-up, the ways a workspace is opened, its list, its windows and the
// menus that follow them.
#include "AppHarness.h"

#include "MDIChildWnd.h"
#include "RecentFileList.h"

#include <shlobj.h>

namespace
{

// The example workspace's list, counted by hand.
const std::vector<std::string> kExampleRows = {".\\calc\\calc.dsp|113|15",
                                               "  .\\calc.cpp|21|5",
                                               "  .\\parser.c|45|1",
                                               "  .\\history.cpp|0|0",
                                               "  .\\calc.def|4|NA",
                                               "  .\\calc.h|7|1",
                                               "  .\\parser.h|7|1",
                                               "  \"..\\shared\\mathutil.h\"|15|1",
                                               "  .\\calc.rc|14|6",
                                               "  .\\res\\calc.ico|NA|NA",
                                               ".\\text util\\text util.dsp|33|6",
                                               "  .\\wordcount.c|21|4",
                                               "  .\\Tokens.CPP|10|1",
                                               "  .\\tokens.h|2|1",
                                               "  .\\README.txt|NA|NA",
                                               ".\\shared\\shared.dsp|28|3",
                                               "  .\\mathutil.c|8|1",
                                               "  .\\mathutil.h|15|1",
                                               "  .\\mathutil.inl|5|1"};

// A drop of files on a window, as the shell makes it.
HGLOBAL DropOf(const std::vector<std::string>& paths)
{
    std::string names;
    for (const std::string& path : paths)
        names += path + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return memory;
}

} // namespace

TEST_F(AppTest, AWorkspaceOnTheCommandLineIsListedInItsWindow)
{
    Start({workspace});
    ASSERT_EQ(1u, Children().size());
    EXPECT_EQ("example.dsw", WindowText(Children()[0]));
    EXPECT_EQ("Quillet - example.dsw", WindowText(FrameWindow()));
    CColumnTree& tree = ActiveView().Tree();
    EXPECT_EQ(kExampleRows, Rows(tree));
    EXPECT_EQ((std::vector<std::string>{"Project List", "Lines", "Comments"}), HeaderTexts(tree.HeaderHandle()));
}

TEST_F(AppTest, FilesDroppedOnTheFrameAreOpenedEachInItsWindow)
{
    Start();
    EXPECT_TRUE(GetWindowLongA(FrameWindow(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES)
        << "the shell drops only on such windows";
    const std::string second =
        folder.Write("other\\one.dsw", "Workspace\r\nProject: \"one\"=.\\one.dsp - Package Owner=<4>\r\n");
    folder.Write("other\\one.dsp", "# Begin Source File\r\nSOURCE=.\\one.c\r\n# End Source File\r\n");
    SendMessageA(FrameWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({workspace, second})), 0);
    Pump();
    std::vector<std::string> titles;
    for (HWND child : Children())
        titles.push_back(WindowText(child));
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ((std::vector<std::string>{"example.dsw", "one.dsw"}), titles);
}

TEST_F(AppTest, AFailedOpenNamesTheFileAndTheCauseAndOpensNoWindow)
{
    folder.Write("broken\\b.dsw", "Workspace\r\nProject: \"gone\"=.\\gone.dsp - Package Owner=<4>\r\n");
    const std::pair<std::string, std::string> cases[] = {{folder.PathOf("missing.dsw"), "missing.dsw"},
                                                         {folder.PathOf("broken\\b.dsw"), "gone.dsp"}};
    Start();
    for (const auto& [path, named] : cases)
    {
        SCOPED_TRACE(path);
        MessageBoxScript boxes;
        EXPECT_EQ(nullptr, app->OpenDocumentFile(path));
        Pump();
        EXPECT_TRUE(Children().empty());
        EXPECT_TRUE(app->GetDocTemplate()->Documents().empty());
        ASSERT_EQ(1u, boxes.shown.size());
        EXPECT_NE(std::string::npos, boxes.shown[0].text.find(named)) << boxes.shown[0].text;
        // More than the name: the cause follows it.
        EXPECT_GT(boxes.shown[0].text.size(), boxes.shown[0].text.find(named) + named.size() + 2);
        EXPECT_EQ("Quillet", boxes.shown[0].caption);
    }
}

TEST_F(AppTest, AFailedOpenOnTheCommandLineEndsTheStartUp)
{
    MessageBoxScript boxes;
    app = std::make_unique<CQuilletApp>();
    EXPECT_FALSE(app->InitInstance({folder.PathOf("missing.dsw")}));
    EXPECT_EQ(1u, boxes.shown.size());
}

TEST_F(AppTest, NewWindowsAndDocumentsAndTheMenuThatFollowsThem)
{
    Start({workspace});
    Command(ID_WINDOW_NEW);
    ASSERT_EQ(2u, Children().size());
    ASSERT_EQ(1u, app->GetDocTemplate()->Documents().size());
    EXPECT_EQ(kExampleRows, Rows(ActiveView().Tree()));
    Command(ID_FILE_CLOSE);
    EXPECT_TRUE(Children().empty());
    EXPECT_TRUE(app->GetDocTemplate()->Documents().empty());
    EXPECT_EQ((std::vector<std::string>{"&File", "&View", "&Format", "&Help"}), MenuBar());
    EXPECT_EQ("Quillet", WindowText(FrameWindow()));

    // A new document: an empty tree without count columns.
    Command(ID_FILE_NEW);
    ASSERT_EQ(1u, Children().size());
    EXPECT_EQ("QLtr1", WindowText(Children()[0]));
    EXPECT_EQ(0u, ActiveView().Tree().GetCount());
    EXPECT_EQ(1, ActiveView().Tree().GetColumnCount());
}

TEST_F(AppTest, WithoutArgumentNoDocumentOpensAndCommandsAreEnabledOnlyWhereTheyCanRun)
{
    const std::vector<UINT> formatCommands{ID_FORMAT_FULL,
                                           ID_FORMAT_DELETE_TRAILING,
                                           ID_FORMAT_TABIFY,
                                           ID_FORMAT_UNTABIFY,
                                           ID_FORMAT_OPERATOR_EXPAND,
                                           ID_FORMAT_OPERATOR_CONTRACT,
                                           ID_FORMAT_PARENTHESES_EXPAND,
                                           ID_FORMAT_PARENTHESES_CONTRACT,
                                           ID_FORMAT_REINDENT};
    // "+" for each command enabled in the menu (or, without one, on the
    // toolbar), "-" for each disabled.
    const auto enabled = [this](const char* menu, const std::vector<UINT>& ids)
    {
        HMENU popup = menu ? OpenPopup(menu) : nullptr;
        std::string states;
        for (UINT id : ids)
        {
            const bool on = popup ? (GetMenuState(popup, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0
                                  : Frame().ToolBar().IsButtonEnabled(id);
            states += on ? '+' : '-';
        }
        return states;
    };
    Start();
    EXPECT_TRUE(IsWindowVisible(FrameWindow()));
    EXPECT_EQ("Quillet", WindowText(FrameWindow()));
    EXPECT_EQ((std::vector<std::string>{"&File", "&View", "&Format", "&Help"}), MenuBar());
    EXPECT_TRUE(Children().empty());
    EXPECT_EQ("+++-", enabled("&File", {ID_FILE_OPEN, ID_APP_EXIT, ID_FILE_PRINT_SETUP, ID_FILE_MRU_FIRST}));
    EXPECT_EQ("+", enabled("&Format", {ID_FORMAT_SETTINGS}));
    EXPECT_EQ("-", enabled(nullptr, {ID_FILE_PRINT}));

    app->OpenDocumentFile(workspace);
    Pump();
    EXPECT_EQ("+++", enabled("&File", {ID_FILE_CLOSE, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW}));
    EXPECT_EQ("+++++++++", enabled("&Format", formatCommands));
    EXPECT_EQ("++++", enabled("&Window", {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE}));
    EXPECT_EQ("+", enabled(nullptr, {ID_FILE_PRINT}));
}

TEST_F(AppTest, TheSaveKeyWritesNothing)
{
    Start({workspace});
    // The framework's save would write the workspace empty.
    const std::string before = folder.Read("ws\\example.dsw");
    Command(ID_FILE_SAVE);
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(before, folder.Read("ws\\example.dsw"));
    EXPECT_TRUE(Children().empty());
}

TEST_F(AppTest, TheWindowMenuListsEveryWindowAndAMaximisedWindowsTitleStandsInBrackets)
{
    // The windows listed after the window commands, the active one marked "*".
    const auto windowList = [this]
    {
        HMENU popup = OpenPopup("&Window");
        std::vector<std::string> list;
        for (int index = 0; index < GetMenuItemCount(popup); ++index)
        {
            const UINT id = GetMenuItemID(popup, index);
            if (id == static_cast<UINT>(-1) || id < IDW_FIRST_MDI_CHILD)
                continue;
            char text[MAX_PATH] = {};
            GetMenuStringA(popup, index, text, sizeof text, MF_BYPOSITION);
            const bool checked = GetMenuState(popup, index, MF_BYPOSITION) & MF_CHECKED;
            list.push_back(text + std::string(checked ? " *" : ""));
        }
        return list;
    };
    Start({workspace});
    EXPECT_EQ((std::vector<std::string>{"&1 example.dsw *"}), windowList());
    Command(ID_WINDOW_NEW);
    EXPECT_EQ((std::vector<std::string>{"&1 example.dsw:1", "&2 example.dsw:2 *"}), windowList());
    EXPECT_EQ("Quillet - example.dsw:2", WindowText(FrameWindow()));

    HWND active = Frame().MDIGetActive()->GetSafeHwnd();
    SendMessageA(Frame().MDIClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(active), 0);
    Pump();
    EXPECT_EQ("Quillet - [example.dsw:2]", WindowText(FrameWindow()));
    SendMessageA(Frame().MDIClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(active), 0);
    Pump();
    EXPECT_EQ("Quillet - example.dsw:2", WindowText(FrameWindow()));

    SendMessageA(active, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ((std::vector<std::string>{"&1 example.dsw *"}), windowList());
}

TEST_F(AppTest, AFileWithoutProjectsIsSaidSoAndKeptOutOfTheRecentFiles)
{
    Start();
    const std::string notes = folder.Write("notes.dsw", "Just some text\r\n");
    MessageBoxScript boxes;
    EXPECT_EQ(nullptr, app->OpenDocumentFile(notes));
    Pump();
    ASSERT_EQ(1u, boxes.shown.size());
    EXPECT_EQ("No projects were found in " + notes + ".", boxes.shown[0].text);
    EXPECT_EQ("Quillet", boxes.shown[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes.shown[0].type & MB_ICONMASK);
    EXPECT_TRUE(Children().empty());
    EXPECT_TRUE(app->RecentFiles()->Files().empty());
}
