#include "FileUtil.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

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
    // files may name anything. Devices read as empty (their length is 0), so
    // "--settings /dev/null" still means no settings.
    if (S_ISFIFO(info.st_mode))
    {
        error = "is a named pipe";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        error = "cannot be opened for reading";
        return false;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff length = file.tellg();
    file.seekg(0, std::ios::beg);
    bytes.resize(length > 0 ? static_cast<size_t>(length) : 0);
    if (length > 0 && !file.read(&bytes[0], length))
    {
        error = "read error";
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
