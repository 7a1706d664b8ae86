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

using Handle = std::unique_ptr<void, decltype(&CloseHandle)>;

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
        CloseHandle(process.hThread);
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
    Handle m_process{nullptr, &CloseHandle};
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

// Sends message with a copy of item whose text buffer lies in Quillet's
// process, and reads the text back.
template <class Item> std::string RemoteText(HANDLE process, HWND control, UINT message, WPARAM index, Item item)
{
    const std::size_t size = 256;
    RemoteBuffer buffer(process, sizeof(Item) + size);
    item.pszText = buffer.Address() + sizeof(Item);
    item.cchTextMax = size;
    buffer.Write(0, &item, sizeof(item));
    SendMessageA(control, message, index, reinterpret_cast<LPARAM>(buffer.Address()));
    char text[size] = {};
    buffer.Read(sizeof(Item), text, size - 1);
    return text;
}

std::string ItemText(HANDLE process, HWND tree, HTREEITEM item)
{
    TVITEMA get{};
    get.mask = TVIF_TEXT;
    get.hItem = item;
    return RemoteText(process, tree, TVM_GETITEMA, 0, get);
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
    HWND tree = FindChildOfClass(child, WC_TREEVIEWA);
    HWND header = FindChildOfClass(child, WC_HEADERA);
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
    {
        HDITEMA get{};
        get.mask = HDI_TEXT;
        headings.push_back(RemoteText(quillet.Process(), header, HDM_GETITEMA, column, get));
    }
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
