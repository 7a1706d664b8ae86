// Whole-file reading with the cause of a failure, pipes and devices left unread, and project paths made native.
#include "FileUtil.h"

#include "LargeBuffer.h"
#include "SystemErrorText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace
{

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// What a file that reports no length, or grew since, is read in.
constexpr size_t ReadBlock = 64 * 1024;

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error)
{
    struct stat info
    {
    };
    if (stat(path.c_str(), &info) != 0)
    {
        error = std::strerror(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode))
    {
        error = "is a directory";
        return false;
    }
    // Opening a named pipe waits for a writer that may never come: project
    // files may name anything. Devices read as empty, so "--settings
    // /dev/null" still means no settings.
    if (S_ISFIFO(info.st_mode))
    {
        error = "is a named pipe";
        return false;
    }
    // Devices other than regular files stay unread. A regular file is read
    // to its end, not to the length it reports: /proc files report 0.
    if (!S_ISREG(info.st_mode))
    {
        bytes.clear();
        return true;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
    {
        error = LastFileErrorText();
        return false;
    }
    bytes.clear();
    ReserveLarge(bytes, static_cast<size_t>(info.st_size));
    bytes.assign(static_cast<size_t>(info.st_size), '\0');
    const size_t done = bytes.empty() ? 0 : std::fread(&bytes[0], 1, bytes.size(), file.get());
    if (done < bytes.size())
    {
        bytes.resize(done);
    }
    else
    {
        // Whatever lies past the reported length, in blocks appended as read,
        // so an ordinary file costs no more than its length.
        std::string block(ReadBlock, '\0');
        while (const size_t more = std::fread(&block[0], 1, block.size(), file.get()))
            bytes.append(block, 0, more);
    }
    if (std::ferror(file.get()))
    {
        error = std::string("read error: ") + std::strerror(errno);
        return false;
    }
    return true;
}

std::string NativePath(const std::string& windowsStylePath)
{
#ifdef _WIN32
    return windowsStylePath;
#else
    std::string path = windowsStylePath;
    for (char& c : path)
    {
        if (c == '\\')
            c = '/';
    }
    return path;
#endif
}
