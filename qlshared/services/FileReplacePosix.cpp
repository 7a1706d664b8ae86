// ReplaceFileContents where there is no Win32: through a temporary file
// beside the target, renamed over it.

#include "FileUtil.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Closes and, unless released, removes the temporary file.
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::string& target) : m_path(target + ".quillet-XXXXXX")
    {
        m_fd = mkstemp(&m_path[0]);
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_released)
            unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Descriptor() const { return m_fd; }
    const std::string& Path() const { return m_path; }
    bool Close()
    {
        const int result = close(m_fd);
        m_fd = -1;
        return result == 0;
    }
    void Release() { m_released = true; }

private:
    std::string m_path;
    int m_fd = -1;
    bool m_released = false;
};

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

// What open() would have given a new file: mkstemp makes it private.
mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error)
{
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

    TemporaryFile temporary(path);
    if (!temporary.IsOpen())
    {
        error = std::string("cannot create a temporary file: ") + std::strerror(errno);
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
    if (!temporary.Close())
    {
        error = std::string("cannot be written: ") + std::strerror(errno);
        return false;
    }
    if (std::rename(temporary.Path().c_str(), path.c_str()) != 0)
    {
        error = std::string("cannot be replaced: ") + std::strerror(errno);
        return false;
    }
    temporary.Release();
    return true;
}
