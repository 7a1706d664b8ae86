// Quillet.exe as another program sees it: a separate process that finds its
// windows, reads its list through the common controls' messages, selects a
// project and runs Reindent with a command message.
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace
{

struct HandleCloser
{
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// Quillet.exe started on a workspace, closed (or ended) with this object.
class RunningQuillet
{
public:
    explicit RunningQuillet(const std::string& workspace)
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
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(
            CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        m_process.reset(process.hProcess);
        m_thread.reset(process.hThread);
    }
    ~RunningQuillet()
    {
        if (!m_process)
            return;
        if (m_frame)
            PostMessageA(m_frame, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.get(), 10000) != WAIT_OBJECT_0)
            TerminateProcess(m_process.get(), 1);
    }
    RunningQuillet(const RunningQuillet&) = delete;
    RunningQuillet& operator=(const RunningQuillet&) = delete;

    // The frame titled title, once it appears; null after the wait.
    HWND WaitForFrame(const std::string& title)
    {
        for (int attempt = 0; attempt < 300 && !m_frame; ++attempt)
        {
            m_frame = FindWindowA(nullptr, title.c_str());
            if (!m_frame)
                Sleep(100);
        }
        return m_frame;
    }
    HANDLE Process() const { return m_process.get(); }

private:
    Handle m_process;
    Handle m_thread;
    HWND m_frame = nullptr;
};

// Memory inside Quillet's process for the messages that carry pointers.
class RemoteBuffer
{
public:
    RemoteBuffer(HANDLE process, std::size_t size)
        : m_process(process),
          m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
    {
    }
    ~RemoteBuffer() { VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* Address() const { return static_cast<char*>(m_address); }
    void Write(std::size_t offset, const void* data, std::size_t size)
    {
        WriteProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }
    void Read(std::size_t offset, void* data, std::size_t size) const
    {
        ReadProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }

private:
    HANDLE m_process;
    void* m_address;
};

const std::size_t kTextOffset = 256;
const std::size_t kTextSize = 256;

std::string ItemText(HANDLE process, HWND tree, HTREEITEM item)
{
    RemoteBuffer buffer(process, kTextOffset + kTextSize);
    TVITEMA get{};
    get.mask = TVIF_TEXT;
    get.hItem = item;
    get.pszText = buffer.Address() + kTextOffset;
    get.cchTextMax = kTextSize;
    buffer.Write(0, &get, sizeof(get));
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(buffer.Address()));
    char text[kTextSize] = {};
    buffer.Read(kTextOffset, text, kTextSize - 1);
    return text;
}

std::string HeaderText(HANDLE process, HWND header, int column)
{
    RemoteBuffer buffer(process, kTextOffset + kTextSize);
    HDITEMA get{};
    get.mask = HDI_TEXT;
    get.pszText = buffer.Address() + kTextOffset;
    get.cchTextMax = kTextSize;
    buffer.Write(0, &get, sizeof(get));
    SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(buffer.Address()));
    char text[kTextSize] = {};
    buffer.Read(kTextOffset, text, kTextSize - 1);
    return text;
}

struct DescendantSearch
{
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<DescendantSearch*>(lParam);
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (lstrcmpiA(name, search.className) != 0)
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND FindDescendant(HWND parent, const char* className)
{
    DescendantSearch search{className, nullptr};
    EnumChildWindows(parent, MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
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

    RunningQuillet quillet(folder.PathOf("w.dsw"));
    HWND frame = quillet.WaitForFrame("Quillet - w.dsw");
    ASSERT_NE(nullptr, frame);
    HWND client = FindWindowExA(frame, nullptr, "MDICLIENT", nullptr);
    HWND child = FindWindowExA(client, nullptr, nullptr, "w.dsw");
    ASSERT_NE(nullptr, child);
    HWND tree = FindDescendant(child, WC_TREEVIEWA);
    HWND header = FindDescendant(child, WC_HEADERA);
    ASSERT_NE(nullptr, tree);
    ASSERT_NE(nullptr, header);

    EXPECT_EQ(3, SendMessageA(tree, TVM_GETCOUNT, 0, 0));
    HTREEITEM project = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    HTREEITEM file =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(project)));
    EXPECT_EQ(".\\p\\p.dsp", ItemText(quillet.Process(), tree, project));
    EXPECT_EQ("a.c", ItemText(quillet.Process(), tree, file));
    std::vector<std::string> headings;
    for (int column = 0; column < 3; ++column)
        headings.push_back(HeaderText(quillet.Process(), header, column));
    EXPECT_EQ((std::vector<std::string>{"Project List", "Lines", "Comments"}), headings);

    ASSERT_TRUE(SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(project)));
    SendMessageA(frame, WM_COMMAND, kReindent, 0);
    for (const char* name : {"p\\a.c", "p\\b.c"})
    {
        const std::string text = folder.Read(name);
        const std::size_t body = text.find("return 1;");
        ASSERT_NE(std::string::npos, body) << text;
        EXPECT_TRUE(body > 0 && (text[body - 1] == ' ' || text[body - 1] == '\t')) << name << ": " << text;
    }
}
