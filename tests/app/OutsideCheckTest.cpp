// Quillet.exe as another program sees it: a separate process that finds its
// windows, counts its list through the tree view's messages, selects a
// project and runs Reindent with a command message. The setup program's test
// runs it on the installed program (QUILLET_UNDER_TEST), where Help Topics
// opens the installed manual through the shell (QUILLET_SHELL_RECORD names
// the file that the prefix's recorder of .html opens writes).
#include "ScratchFolder.h"
#include "win/ControlText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace
{

// Quillet.exe started on a workspace, and its frame once it appears (null
// after the wait); closed, or ended, with this object.
class RunningQuillet
{
public:
    RunningQuillet(const std::string& workspace, const char* title)
    {
        // The build names the program by its Linux path; Wine's drive Z: is
        // the Linux root. The setup's test points at the installed one.
        const char* installed = std::getenv("QUILLET_UNDER_TEST");
        std::string program = installed ? installed : QUILLET_EXE;
        if (program[0] == '/')
        {
            program = "Z:" + program;
            std::replace(program.begin(), program.end(), '/', '\\');
        }
        std::string commandLine = "\"" + program + "\" \"" + workspace + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
            return;
        process.reset(started.hProcess);
        CloseHandle(started.hThread);
        for (int attempt = 0; attempt < 300 && !(frame = FindWindowA(nullptr, title)); ++attempt)
            Sleep(100);
    }
    ~RunningQuillet()
    {
        if (frame)
            PostMessageA(frame, WM_CLOSE, 0, 0);
        if (process && WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0)
            TerminateProcess(process.get(), 1);
    }

    std::unique_ptr<void, decltype(&CloseHandle)> process{nullptr, &CloseHandle};
    HWND frame = nullptr;
};

const UINT kReindent = 32781;
const UINT kHelpTopics = 0xE143;

HWND ListOf(HWND frame, const char* title)
{
    return FindChildOfClass(FindWindowExA(FindWindowExA(frame, nullptr, "MDICLIENT", nullptr), nullptr, nullptr, title),
                            WC_TREEVIEWA);
}

} // namespace

TEST(OutsideCheck, AnotherProgramFindsTheListAndRunsReindentOnAProject)
{
    ScratchFolder folder;
    folder.Write("w.dsw", "Workspace\r\nProject: \"p\"=.\\p\\p.dsp - Package Owner=<4>\r\n");
    folder.Write("p\\p.dsp", "# Begin Source File\r\nSOURCE=a.c\r\n# End Source File\r\n"
                             "# Begin Source File\r\nSOURCE=b.c\r\n# End Source File\r\n");
    const std::string flat = "int f()\r\n{\r\nreturn 1;\r\n}\r\n";
    folder.Write("p\\a.c", flat);
    folder.Write("p\\b.c", flat);

    RunningQuillet quillet(folder.PathOf("w.dsw"), "Quillet - w.dsw");
    ASSERT_NE(nullptr, quillet.frame);
    HWND tree = ListOf(quillet.frame, "w.dsw");
    ASSERT_TRUE(tree);

    EXPECT_EQ(3, SendMessageA(tree, TVM_GETCOUNT, 0, 0));
    HTREEITEM project = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    ASSERT_TRUE(SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(project)));
    SendMessageA(quillet.frame, WM_COMMAND, kReindent, 0);
    for (const char* name : {"p\\a.c", "p\\b.c"})
    {
        const std::string text = folder.Read(name);
        const std::size_t body = text.find("return 1;");
        ASSERT_NE(std::string::npos, body) << text;
        EXPECT_TRUE(body > 0 && (text[body - 1] == ' ' || text[body - 1] == '\t')) << name << ": " << text;
    }
}

TEST(OutsideCheck, TheExampleWorkspaceListsItsThreeProjectsAndSixteenFiles)
{
    ScratchFolder folder;
    std::filesystem::copy(std::string(QUILLET_SOURCE_DIR) + "/examples/workspace", folder.PathOf("ws"),
                          std::filesystem::copy_options::recursive);
    RunningQuillet quillet(folder.PathOf("ws\\example.dsw"), "Quillet - example.dsw");
    ASSERT_NE(nullptr, quillet.frame);
    HWND tree = ListOf(quillet.frame, "example.dsw");
    ASSERT_TRUE(tree);
    EXPECT_EQ(19, SendMessageA(tree, TVM_GETCOUNT, 0, 0));
}

TEST(OutsideCheck, HelpTopicsOpenTheManualInstalledBesideTheProgram)
{
    const char* record = std::getenv("QUILLET_SHELL_RECORD");
    if (!record)
        GTEST_SKIP() << "only where a setup installed the manual";
    DeleteFileA(record);
    RunningQuillet quillet("", "Quillet");
    ASSERT_NE(nullptr, quillet.frame);
    SendMessageA(quillet.frame, WM_COMMAND, kHelpTopics, 0);
    std::string opened;
    for (int attempt = 0; attempt < 100 && opened.empty(); ++attempt, Sleep(100))
        opened.assign(std::istreambuf_iterator<char>(std::ifstream(record, std::ios::binary).rdbuf()), {});
    const std::string program = std::getenv("QUILLET_UNDER_TEST");
    EXPECT_EQ(program.substr(0, program.rfind('\\') + 1) + "manual\\index.html", opened.substr(0, opened.find('\r')))
        << opened;
}
