// Quillet.exe as another program sees it: a separate process that finds its
// windows, counts its list through the tree view's messages, selects a
// project and runs Reindent with a command message. The setup program's test
// runs it on the installed program (QUILLET_UNDER_TEST), where Help Topics
// opens the installed manual through the shell (QUILLET_SHELL_RECORD names
// the file that the prefix's recorder of .html opens writes).
#include "ScratchFolder.h"
#include "win/ControlText.h"
#include "win/ShellClasses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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
    // arguments follow the program's name on its command line.
    RunningQuillet(const std::string& arguments, const char* title)
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
        std::string commandLine = "\"" + program + "\" " + arguments;
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

HWND WindowOf(HWND frame, const char* title)
{
    return FindWindowExA(FindWindowExA(frame, nullptr, "MDICLIENT", nullptr), nullptr, nullptr, title);
}

// The Linux path of a file, as Wine's start /unix takes it.
std::string UnixPath(const std::string& path)
{
    using ToUnix = char*(CDECL*)(const wchar_t*);
    // Through a function type without arguments, which every function type
    // may be cast from.
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return std::string();
    const std::wstring wide(path.begin(), path.end());
    char* unix = toUnix(wide.c_str());
    const std::string result = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
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

    RunningQuillet quillet("\"" + folder.PathOf("w.dsw") + "\"", "Quillet - w.dsw");
    ASSERT_NE(nullptr, quillet.frame);
    HWND child = WindowOf(quillet.frame, "w.dsw");
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
    // The status bar's message pane says what the run did. Another
    // program's window text is read by asking the window for it.
    char status[256] = {};
    SendMessageA(FindWindowExA(quillet.frame, nullptr, STATUSCLASSNAMEA, nullptr), WM_GETTEXT, sizeof(status),
                 reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ("Reindent: 2 of 2 files changed", status);
}

TEST(OutsideCheck, AShellOpenThroughWinesStartGivesOneWindow)
{
    ScratchFolder folder;
    folder.Write("w.dsw", "Workspace\r\nProject: \"p\"=.\\p\\p.dsp - Package Owner=<4>\r\n");
    folder.Write("p\\p.dsp", "# Begin Source File\r\nSOURCE=a.c\r\n# End Source File\r\n");
    folder.Write("p\\a.c", "int a;\r\n");
    ShellClasses classes;
    {
        // A first start registers workspaces with the shell.
        RunningQuillet first("", "Quillet");
        ASSERT_NE(nullptr, first.frame);
    }
    const std::string path = UnixPath(folder.PathOf("w.dsw"));
    ASSERT_FALSE(path.empty());
    std::string commandLine = "start.exe /unix \"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
    // start returns once the shell has sent its DDE request.
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(started.hProcess, 60000));
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);

    HWND frame = nullptr;
    for (int attempt = 0; attempt < 300 && !(frame = FindWindowA(nullptr, "Quillet - w.dsw")); ++attempt)
        Sleep(100);
    ASSERT_NE(nullptr, frame);
    // A late second window would come from a second open of the same file.
    Sleep(1000);
    const char* frameClass = "QuilletFrame128";
    int frames = 0;
    for (HWND other = FindWindowExA(nullptr, nullptr, frameClass, nullptr); other;
         other = FindWindowExA(nullptr, other, frameClass, nullptr))
        ++frames;
    EXPECT_EQ(1, frames);
    HWND client = FindWindowExA(frame, nullptr, "MDICLIENT", nullptr);
    int windows = 0;
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++windows;
    EXPECT_EQ(1, windows);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    for (int attempt = 0; attempt < 100 && FindWindowA(nullptr, "Quillet - w.dsw"); ++attempt)
        Sleep(100);
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
