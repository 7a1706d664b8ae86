// The temporary file a Windows rewrite writes beside its target, and the removal of those a killed run left.
#include "TemporarySiblingWin32.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <mutex>
#include <set>

namespace
{

const char Prefix[] = "~quillet-";
const char Suffix[] = ".tmp";
constexpr unsigned CreationAttempts = 100;

// Each temporary of this process gets a number of its own.
std::atomic<unsigned> g_nextNumber{0};

std::mutex g_listedLock;
std::set<std::string> g_listedFolders;

class FindHandle
{
public:
    explicit FindHandle(HANDLE handle) : m_handle(handle) {}
    ~FindHandle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            FindClose(m_handle);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

bool IsNumber(const std::string& text)
{
    return !text.empty() && text.size() <= 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// Whether name is "~quillet-PID-N.tmp"; process receives PID.
bool IsTemporaryName(const std::string& name, DWORD& process)
{
    const std::size_t prefix = sizeof Prefix - 1;
    const std::size_t suffix = sizeof Suffix - 1;
    if (name.size() <= prefix + suffix || name.compare(0, prefix, Prefix) != 0 ||
        name.compare(name.size() - suffix, suffix, Suffix) != 0)
        return false;
    const std::string middle = name.substr(prefix, name.size() - prefix - suffix);
    const std::size_t dash = middle.find('-');
    if (dash == std::string::npos || !IsNumber(middle.substr(0, dash)) || !IsNumber(middle.substr(dash + 1)))
        return false;
    const unsigned long long number = std::strtoull(middle.c_str(), nullptr, 10);
    process = DWORD(number);
    return number <= MAXDWORD;
}

// A process that cannot be opened for lack of rights still runs.
bool IsRunning(DWORD process)
{
    const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
    if (!handle)
        return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
    CloseHandle(handle);
    return running;
}

// Opening without sharing fails while any process has the file open; the
// file then goes when this handle closes. A link goes itself, not the file
// it leads to.
void RemoveIfUnopened(const std::string& path)
{
    const HANDLE handle = CreateFileA(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
}

} // namespace

CTemporarySibling::CTemporarySibling(const std::string& folder)
{
    const std::string process = std::to_string(GetCurrentProcessId());
    for (unsigned attempt = 0; attempt < CreationAttempts; ++attempt)
    {
        const std::string path = folder + Prefix + process + "-" + std::to_string(g_nextNumber++) + Suffix;
        m_handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (IsOpen())
        {
            m_path = path;
            return;
        }
        // A name that is taken belongs to somebody else: try the next.
        if (GetLastError() != ERROR_FILE_EXISTS)
            return;
    }
}

CTemporarySibling::~CTemporarySibling()
{
    Close();
    if (!m_path.empty())
        DeleteFileA(m_path.c_str());
}

bool CTemporarySibling::Close()
{
    if (!IsOpen())
        return true;
    const BOOL closed = CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    return closed != FALSE;
}

void CTemporarySibling::RemoveLeftovers(const std::string& folder)
{
    {
        const std::lock_guard<std::mutex> lock(g_listedLock);
        if (!g_listedFolders.insert(folder).second)
            return;
    }
    WIN32_FIND_DATAA found{};
    const std::string pattern = folder + Prefix + "*" + Suffix;
    const FindHandle find(FindFirstFileA(pattern.c_str(), &found));
    if (find.Get() == INVALID_HANDLE_VALUE)
        return;
    do
    {
        DWORD process = 0;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTemporaryName(found.cFileName, process) &&
            !IsRunning(process))
            RemoveIfUnopened(folder + found.cFileName);
    } while (FindNextFileA(find.Get(), &found));
}
