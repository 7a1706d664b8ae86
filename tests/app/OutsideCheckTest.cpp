// Quillet.exe as another program sees it: a separate process that finds its
// windows, counts its list through the tree view's messages, selects a
// project and runs Reindent with a command message.
#include "ScratchFolder.h"
#include "win/ControlText.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        // the Linux root.
        std::string program = QUILLET_EXE;
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
    HWND child = FindWindowExA(FindWindowExA(quillet.frame, nullptr, "MDICLIENT", nullptr), nullptr, nullptr, "w.dsw");
    HWND tree = FindChildOfClass(child, WC_TREEVIEWA);
    ASSERT_TRUE(child && tree);

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
