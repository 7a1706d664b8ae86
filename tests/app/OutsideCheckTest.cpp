// Quillet.exe as another program sees it: a separate process that finds its
// windows, reads its list through the common controls' messages, selects a
// project and runs Reindent with a command message.
#include "ScratchFolder.h"
#include "win/ControlText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

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

// Sends message with a copy of item whose text buffer lies in Quillet's
// process, and reads the text back.
template <class Item> std::string RemoteText(HANDLE process, HWND control, UINT message, WPARAM index, Item item)
{
    constexpr std::size_t size = 256;
    const auto release = [process](char* address) { VirtualFreeEx(process, address, 0, MEM_RELEASE); };
    const std::unique_ptr<char, decltype(release)> buffer(
        static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(Item) + size, MEM_COMMIT, PAGE_READWRITE)), release);
    item.pszText = buffer.get() + sizeof(Item);
    item.cchTextMax = size;
    WriteProcessMemory(process, buffer.get(), &item, sizeof(item), nullptr);
    SendMessageA(control, message, index, reinterpret_cast<LPARAM>(buffer.get()));
    char text[size] = {};
    ReadProcessMemory(process, item.pszText, text, size - 1, nullptr);
    return text;
}

const UINT kReindent = 32781;

} // namespace

TEST(OutsideCheck, AnotherProgramReadsTheListAndRunsReindentOnAProject)
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
    HWND header = FindChildOfClass(child, WC_HEADERA);
    ASSERT_TRUE(child && tree && header);

    EXPECT_EQ(3, SendMessageA(tree, TVM_GETCOUNT, 0, 0));
    HTREEITEM project = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    HTREEITEM file =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(project)));
    std::vector<std::string> texts;
    for (HTREEITEM item : {project, file})
    {
        TVITEMA get{};
        get.mask = TVIF_TEXT;
        get.hItem = item;
        texts.push_back(RemoteText(quillet.process.get(), tree, TVM_GETITEMA, 0, get));
    }
    for (int column = 0; column < 3; ++column)
    {
        HDITEMA get{};
        get.mask = HDI_TEXT;
        texts.push_back(RemoteText(quillet.process.get(), header, HDM_GETITEMA, column, get));
    }
    EXPECT_EQ((std::vector<std::string>{".\\p\\p.dsp", "a.c", "Project List", "Lines", "Comments"}), texts);

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
