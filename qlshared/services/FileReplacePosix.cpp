// ReplaceFileContents where there is no Win32: through a temporary file
// beside the target, renamed over it. A hard link to the file is left with
// the old bytes, as the rename gives the name a new file; rewriting the
// original in place instead could leave it cut by a full disk or a kill.

#include "FileUtil.h"
#include "TemporarySiblings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace
{

struct FreeDeleter
{
    void operator()(char* text) const { std::free(text); }
};

// A file for the new bytes in the target's folder. Where the file system
// allows it the file has no name until Publish, so a run killed while
// writing leaves nothing behind; elsewhere it is a named temporary file that
// is removed unless published. It stays locked until it has replaced the
// target, so that another run's clean-up of leftovers passes it by.
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::string& target) : m_target(target)
    {
        const std::size_t slash = target.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
        m_fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (m_fd < 0)
        {
            m_path = TemporaryTemplate(target);
            m_fd = mkstemp(&m_path[0]);
        }
        if (m_fd >= 0)
            flock(m_fd, LOCK_EX);
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_path.empty())
            unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Descriptor() const { return m_fd; }

    // Puts the written file in the target's place.
    bool Publish()
    {
        if (m_path.empty() && !Name())
            return false;
        if (std::rename(m_path.c_str(), m_target.c_str()) != 0)
            return false;
        m_path.clear();
        return true;
    }

private:
    // Gives the unnamed file a name beside the target, for the rename.
    bool Name()
    {
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (unsigned attempt = 0; attempt < 100; ++attempt)
        {
            const std::string name = LinkedTemporaryName(m_target, getpid(), attempt);
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            {
                m_path = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    std::string m_target;
    std::string m_path; // empty while the file has no name
    int m_fd = -1;
};

// The extended attributes of the original (and so its ACLs and security
// labels) go with the new bytes, where the file system has them; one that
// cannot be set is left behind rather than failing the write.
void CopyExtendedAttributes(const std::string& from, int to)
{
    const ssize_t size = listxattr(from.c_str(), nullptr, 0);
    if (size <= 0)
        return;
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t listed = listxattr(from.c_str(), &names[0], names.size());
    if (listed <= 0)
        return;
    names.resize(static_cast<std::size_t>(listed));
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1)
    {
        const char* const name = names.c_str() + at;
        const ssize_t length = getxattr(from.c_str(), name, nullptr, 0);
        if (length < 0)
            continue;
        std::string value(static_cast<std::size_t>(length), '\0');
        const ssize_t read = getxattr(from.c_str(), name, &value[0], value.size());
        if (read >= 0)
            fsetxattr(to, name, value.data(), static_cast<std::size_t>(read), 0);
    }
}

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// What open() would have given a new file: mkstemp makes it private. The
// mask can only be read by setting it, so two threads reading it at once
// could leave it cleared for good.
mode_t NewFileMode()
{
    static std::mutex lock;
    const std::lock_guard<std::mutex> guard(lock);
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

struct CFileReplacement::Pending
{
    explicit Pending(const std::string& target) : temporary(target) {}
    TemporaryFile temporary;
};

CFileReplacement::CFileReplacement() = default;
CFileReplacement::~CFileReplacement() = default;
CFileReplacement::CFileReplacement(CFileReplacement&& other) noexcept = default;
CFileReplacement& CFileReplacement::operator=(CFileReplacement&& other) noexcept = default;

bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error)
{
    CFileReplacement replacement;
    return replacement.Prepare(path, bytes, error) && replacement.Commit(error);
}

bool CFileReplacement::Commit(std::string& error)
{
    const bool published = m_pending->temporary.Publish();
    if (!published)
        error = std::string("cannot be replaced: ") + std::strerror(errno);
    m_pending.reset();
    return published;
}

bool CFileReplacement::Prepare(const std::string& linkOrPath, const std::string& bytes, std::string& error)
{
    m_pending.reset();
    // A symbolic link stays a link: the file it leads to is rewritten.
    std::string path = linkOrPath;
    struct stat link
    {
    };
    if (lstat(linkOrPath.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
    {
        const std::unique_ptr<char, FreeDeleter> target(realpath(linkOrPath.c_str(), nullptr));
        if (!target)
        {
            error = std::string("is a symbolic link that cannot be followed: ") + std::strerror(errno);
            return false;
        }
        path = target.get();
    }

    struct stat original
    {
    };
    const bool exists = stat(path.c_str(), &original) == 0;
    if (exists)
    {
        if (S_ISDIR(original.st_mode))
        {
            error = "is a directory";
            return false;
        }
        // Renaming over a read-only file would succeed on Linux, even for
        // root; refuse a file without write permission as Windows refuses one
        // with the read-only attribute, so it stays as the user protected it.
        if ((original.st_mode & 0222) == 0)
        {
            error = "is read-only";
            return false;
        }
        if (access(path.c_str(), W_OK) != 0)
        {
            error = errno == EACCES || errno == EROFS ? "is read-only" : std::strerror(errno);
            return false;
        }
    }

    RemoveLeftTemporaries(path);
    auto pending = std::make_unique<Pending>(path);
    TemporaryFile& temporary = pending->temporary;
    if (!temporary.IsOpen())
    {
        error = std::string("cannot create a temporary file in its folder: ") + std::strerror(errno);
        return false;
    }
    if (!WriteAll(temporary.Descriptor(), bytes) || fsync(temporary.Descriptor()) != 0)
    {
        error = std::string("cannot be written: ") + std::strerror(errno);
        return false;
    }
    // The replacement takes the original's owner too where that is allowed
    // (always for root), so a batch run by root does not hand users' files to
    // root. Elsewhere the writer's own ownership is the best there is.
    if (exists && fchown(temporary.Descriptor(), original.st_uid, original.st_gid) != 0)
        errno = 0;
    fchmod(temporary.Descriptor(), exists ? original.st_mode & 07777 : NewFileMode());
    if (exists)
        CopyExtendedAttributes(path, temporary.Descriptor());
    m_pending = std::move(pending);
    return true;
}
