#include "AddInHarness.h"

#include "AnsiText.h"
#include "ScratchFolder.h"

#include <commctrl.h>

#include <functional>

namespace
{

constexpr UINT PollMilliseconds = 100;
constexpr int GiveUpPolls = 100;
// The dialog's Untabify button.
constexpr WPARAM Untabify = 5;

// The search of FindChild: a class name in, the first child of that class out.
struct ChildSearch
{
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND child, LPARAM context)
{
    auto* search = reinterpret_cast<ChildSearch*>(context);
    char name[64] = "";
    GetClassNameA(child, name, sizeof(name));
    if (lstrcmpiA(name, search->className) != 0)
        return TRUE;
    search->found = child;
    return FALSE;
}

BOOL CALLBACK TakeChildOfClass(HWND child, LPARAM context)
{
    auto* search = reinterpret_cast<std::pair<const char*, HWND>*>(context);
    char name[64] = "";
    GetClassNameA(child, name, sizeof(name));
    if (lstrcmpiA(name, search->first) != 0)
        return TRUE;
    search->second = child;
    return FALSE;
}

HWND FindChild(HWND parent, const char* className)
{
    std::pair<const char*, HWND> search(className, nullptr);
    EnumChildWindows(parent, TakeChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

std::vector<std::string> TopLevelTexts(HWND tree)
{
    std::vector<std::string> texts;
    for (auto item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item))
    {
        char text[MAX_PATH] = "";
        TVITEMA data{};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = sizeof(text);
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        texts.push_back(text);
    }
    return texts;
}

// While a command runs its modal dialog, a thread timer looks for the visible
// "Project Analysis" window, hands it to the step once its tree is filled,
// and closes it; after some seconds it closes it anyway.
class DialogDriver
{
public:
    explicit DialogDriver(std::function<void(HWND dialog, HWND tree)> step) : m_step(std::move(step))
    {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, PollMilliseconds, &Tick);
    }
    ~DialogDriver()
    {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }

    bool sawDialog = false;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        DialogDriver& self = *s_current;
        HWND dialog = FindWindowA(nullptr, "Project Analysis");
        if (!dialog || !IsWindowVisible(dialog))
            return;
        self.sawDialog = true;
        if (self.m_closing)
            return;
        // The dialog fills its tree 50 ms after it shows; two polls are more.
        HWND tree = FindChild(dialog, "SysTreeView32");
        bool filled = tree && ++self.m_polls > 2;
        if (filled || ++self.m_waits > GiveUpPolls)
        {
            // The step may pump messages, and this timer with them.
            self.m_closing = true;
            if (filled)
                self.m_step(dialog, tree);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
    }

    static DialogDriver* s_current;
    std::function<void(HWND, HWND)> m_step;
    UINT_PTR m_timer = 0;
    int m_polls = 0;
    int m_waits = 0;
    bool m_closing = false;
};

DialogDriver* DialogDriver::s_current = nullptr;

std::wstring ExampleProject(const char* name)
{
    return FromAnsi(std::string(QUILLET_SOURCE_DIR) + "/examples/workspace/" + name);
}

} // namespace

TEST_F(AddInTest, MainDialogListsTheHostsProjectsByFileName)
{
    ASSERT_EQ(Connect(VARIANT_FALSE), VARIANT_TRUE);
    *&host->projects =
        new CHostProjects(log, {ExampleProject("calc/calc.dsp"), ExampleProject("text util/text util.dsp")}, true);
    std::vector<std::string> projects;
    DialogDriver driver([&projects](HWND, HWND tree) { projects = TopLevelTexts(tree); });
    EXPECT_EQ(host->RunCommand(L"QuilletMainDlg"), S_OK);
    EXPECT_TRUE(driver.sawDialog);
    EXPECT_EQ(projects, (std::vector<std::string>{"calc.dsp", "text util.dsp"}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "Next 1"), 3);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(AddInTest, MainDialogOpensEmptyWithoutProjectsAndNotAtAllWithoutEnumerator)
{
    ASSERT_EQ(Connect(VARIANT_FALSE), VARIANT_TRUE);
    for (bool offersEnumerator : {true, false})
    {
        *&host->projects = new CHostProjects(log, {}, offersEnumerator);
        std::size_t items = 99;
        DialogDriver driver([&items](HWND, HWND tree) { items = TreeView_GetCount(tree); });
        EXPECT_EQ(host->RunCommand(L"QuilletMainDlg"), S_OK);
        EXPECT_EQ(driver.sawDialog, offersEnumerator);
        EXPECT_EQ(items, offersEnumerator ? 0u : 99u);
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

    static HWND dialogWindow;
    static bool enabledDuringRun;
    onBox = []
    {
        enabledDuringRun = IsWindowEnabled(dialogWindow);
        SendMessageA(dialogWindow, WM_COMMAND, Untabify, 0);
    };
    DialogDriver driver(
        [](HWND dialog, HWND tree)
        {
            dialogWindow = dialog;
            TreeView_SetItemState(tree, TreeView_GetRoot(tree), TVIS_SELECTED, TVIS_SELECTED);
            SendMessageA(dialog, WM_COMMAND, Untabify, 0);
        });
    EXPECT_EQ(host->RunCommand(L"QuilletMainDlg"), S_OK);
    ASSERT_EQ(boxes.size(), 1u) << "the second press started no second run";
    EXPECT_EQ(boxes[0].text, "Write Error encount with file:\n\n.\\a.cpp\n\nProceed with other files?");
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_EQ(folder.Read("a.cpp"), "\tint a;\n");
}

TEST_F(AddInTest, UnreadableProjectIsNamedAndListedWithTotalsZero)
{
    ASSERT_EQ(Connect(VARIANT_FALSE), VARIANT_TRUE);
    const std::wstring missing = ExampleProject("missing/none.dsp");
    *&host->projects = new CHostProjects(log, {missing, ExampleProject("calc/calc.dsp")}, true);
    std::vector<std::string> projects;
    DialogDriver driver([&projects](HWND, HWND tree) { projects = TopLevelTexts(tree); });
    EXPECT_EQ(host->RunCommand(L"QuilletMainDlg"), S_OK);
    EXPECT_EQ(projects, (std::vector<std::string>{"none.dsp", "calc.dsp"}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(ToAnsi(missing)), std::string::npos) << boxes[0].text;
    EXPECT_EQ(boxes[0].caption, "Quillet");
}
