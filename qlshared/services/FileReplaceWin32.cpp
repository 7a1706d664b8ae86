// ReplaceFileContents on Windows, through the Win32 file calls.

#include "FileUtil.h"
#include "SystemErrorText.h"
#include "TemporarySiblingWin32.h"

#include <windows.h>

#include <algorithm>

namespace
{

std::string LastErrorText()
{
    return SystemErrorText(GetLastError());
}

class FileHandle
{
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle()
    {
        if (IsValid())
            CloseHandle(m_handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

// The folder part of path, with its separator; empty for a bare name.
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists)
    {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            error = "is a directory";
            return false;
        }
        if (attributes & FILE_ATTRIBUTE_READONLY)
        {
            error = "is read-only";
            return false;
        }
        // A file another program holds open without sharing it is reported
        // now, before anything is written.
        FileHandle probe(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe.IsValid())
        {
            error = "cannot be opened for writing: " + LastErrorText();
            return false;
        }
    }

    const std::string folder = FolderOf(path);
    CTemporarySibling::RemoveLeftovers(folder);
    CTemporarySibling temporary(folder);
    if (!temporary.IsOpen())
    {
        error = "cannot create a temporary file: " + LastErrorText();
        return false;
    }
    size_t done = 0;
    while (done < bytes.size())
    {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(temporary.Handle(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
        {
            error = "cannot be written: " + LastErrorText();
            return false;
        }
        done += written;
    }
    if (!FlushFileBuffers(temporary.Handle()) || !temporary.Close())
    {
        error = "cannot be written: " + LastErrorText();
        return false;
    }

    // ReplaceFile keeps the original's identity; a new file is simply moved.
    const BOOL replaced = exists ? ReplaceFileA(path.c_str(), temporary.Path().c_str(), nullptr,
                                                REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                                 : MoveFileExA(temporary.Path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!replaced)
    {
        error = "cannot be replaced: " + LastErrorText();
        return false;
    }
    temporary.Keep();
    // Not every ReplaceFile carries the attributes over; set them again.
    if (exists)
        SetFileAttributesA(path.c_str(), attributes);
    return true;
}

// ReplaceFile does the work in one call: the bytes wait for it.
struct CFileReplacement::Pending
{
    std::string path;
    std::string bytes;
};

CFileReplacement::CFileReplacement() = default;
CFileReplacement::~CFileReplacement() = default;
CFileReplacement::CFileReplacement(CFileReplacement&& other) noexcept = default;
CFileReplacement& CFileReplacement::operator=(CFileReplacement&& other) noexcept = default;

bool CFileReplacement::Prepare(const std::string& path, const std::string& bytes, std::string&)
{
    m_pending = std::make_unique<Pending>(Pending{path, bytes});
    return true;
}

bool CFileReplacement::Commit(std::string& error)
{
    const bool replaced = ReplaceFileContents(m_pending->path, m_pending->bytes, error);
    m_pending.reset();
    return replaced;
}
