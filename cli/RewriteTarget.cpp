#include "RewriteTarget.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#endif

std::string RewriteTarget(const std::string& path)
{
#ifdef _WIN32
    char buffer[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
#else
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    const std::unique_ptr<char, decltype(&std::free)> target(realpath(path.c_str(), nullptr), &std::free);
    return target ? std::string(target.get()) : path;
#endif
}
