#include "AddInHarness.h"

#include "AnsiText.h"
#include "QLAddInRes.h"
#include "ScratchFolder.h"
#include "win/ControlText.h"
#include "win/ModalScript.h"

namespace
{

// The dialog's Untabify button.
constexpr WPARAM Untabify = 5;

// The dialog fills its tree 50 ms after it shows; 300 ms are more.
constexpr int FillTicks = 15;

// The dialog of the running test's batch.
HWND g_dialog = nullptr;

// Selects the dialog's first project and presses Untabify.
void UntabifyFirstProject(HWND dialog)
{
    const HWND tree = FindChildOfClass(dialog, WC_TREEVIEWA);
    g_dialog = dialog;
    TreeView_SetItemState(tree, TreeView_GetRoot(tree), TVIS_SELECTED, TVIS_SELECTED);
    SendMessageA(dialog, WM_COMMAND, Untabify, 0);
}

} // namespace

TEST_F(AddInTest, MainDialogOpensEmptyWithoutProjectsAndNotAtAllWithoutEnumerator)
{
    ASSERT_EQ(Connect(VARIANT_FALSE), VARIANT_TRUE);
    for (bool offersEnumerator : {true, false})
    {
        *&host->projects = new CHostProjects(log, {}, offersEnumerator);
        std::size_t items = 99;
        // The column tree takes the place of the template's control: x, y,
        // width and height in dialog units, each mapped as the dialog maps it.
        RECT placed{}, expected{7, 7, 275, 216};
        ModalScript driver(
            "Project Analysis",
            [&](HWND dialog)
            {
                items = TreeView_GetCount(FindChildOfClass(dialog, WC_TREEVIEWA));
                GetWindowRect(GetDlgItem(dialog, IDC_PROJECT_TREE), &placed);
                MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed), 2);
                MapDialogRect(dialog, &expected);
                expected.right += expected.left;
                expected.bottom += expected.top;
            },
            FillTicks);
        EXPECT_EQ(host->RunCommand(L"QuilletMainDlg"), S_OK);
        EXPECT_EQ(driver.ran, offersEnumerator);
        EXPECT_EQ(items, offersEnumerator ? 0u : 99u);
        EXPECT_TRUE(!offersEnumerator || EqualRect(&placed, &expected));
    }
}

TEST_F(AddInTest, BatchRunKeepsTheDialogDisabledSoASecondPressDoesNothing)
{
    ScratchFolder folder;
    folder.Write("p.dsp", "# Begin Source File\r\n\r\nSOURCE=.\\a.cpp\r\n# End Source File\r\n");
    folder.Write("a.cpp", "\tint a;\n");
    folder.MakeReadOnly("a.cpp");
    ASSERT_EQ(Connect(VARIANT_FALSE), VARIANT_TRUE);
    *&host->projects = new CHostProjects(log, {FromAnsi(folder.PathOf("p.dsp"))}, true);

    bool enabledDuringRun = true;
    HWND progress = nullptr;
    MessageBoxScript boxes(IDNO);
    boxes.whileShown = [&enabledDuringRun, &progress]
    {
        enabledDuringRun = IsWindowEnabled(g_dialog);
        progress = FindWindowA(nullptr, "Loading Files");
        SendMessageA(g_dialog, WM_COMMAND, Untabify, 0);
    };
    ModalScript driver("Project Analysis", &UntabifyFirstProject, FillTicks);
    EXPECT_EQ(host->RunCommand(L"QuilletMainDlg"), S_OK);
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"Write Error encount with file:\n\n.\\a.cpp\n\nProceed with other files?"})
        << "the second press started no second run";
    EXPECT_FALSE(enabledDuringRun);
    ASSERT_NE(progress, nullptr) << "the run's progress dialog has the add-in's caption";
    EXPECT_EQ(boxes.shown.at(0).owner, progress) << "the question is asked over the progress dialog";
    EXPECT_EQ(folder.Read("a.cpp"), "\tint a;\n");
}

// Workspace projects and Visual Studio projects alike, each by its file name
// with its files as it names them; one that cannot be read is named in a box.
TEST_F(AddInTest, MainDialogListsTheHostsProjectsAndNamesAnUnreadableOne)
{
    ScratchFolder folder;
    const std::string examples = std::string(QUILLET_SOURCE_DIR) + "/examples/";
    const std::string missing = folder.PathOf("missing\\none.dsp");
    const std::string broken = folder.Write("broken.vcxproj", "<Project><ItemGroup></Project>");
    const struct
    {
        std::vector<std::string> projects, rows;
        std::string named;
    } cases[] = {
        {{missing, examples + "workspace/shared/shared.dsp"},
         {"none.dsp", "shared.dsp", "  .\\mathutil.c", "  .\\mathutil.h", "  .\\mathutil.inl"},
         missing},
        {{examples + "solution/tools/word count/wordcount.vcxproj", examples + "solution/legacy/legacy.vcproj", broken},
         {"wordcount.vcxproj", "  word count.cpp", "  ..\\..\\engine\\include\\engine.h", "legacy.vcproj",
          "  .\\legacy.c", "  .\\legacy.def", "  .\\legacy.h", "broken.vcxproj"},
         "broken.vcxproj: "},
    };
    ASSERT_EQ(Connect(VARIANT_FALSE), VARIANT_TRUE);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.named);
        std::vector<std::wstring> paths;
        for (const std::string& project : c.projects)
            paths.push_back(FromAnsi(project));
        *&host->projects = new CHostProjects(log, paths, true);
        std::vector<std::string> rows;
        ModalScript driver(
            "Project Analysis", [&rows](HWND dialog) { rows = TreeRows(FindChildOfClass(dialog, WC_TREEVIEWA)); },
            FillTicks);
        MessageBoxScript boxes;
        log.clear();
        EXPECT_EQ(host->RunCommand(L"QuilletMainDlg"), S_OK);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(std::count(log.begin(), log.end(), "Next 1"), int(c.projects.size()) + 1);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_NE(boxes.shown[0].text.find(c.named), std::string::npos) << boxes.shown[0].text;
        EXPECT_EQ(boxes.shown[0].caption, "Quillet");
    }
}
