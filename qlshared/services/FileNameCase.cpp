#include "FileNameCase.h"

#include <cctype>

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
    {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string LowerExtension(const std::string& fileName)
{
    const std::size_t dot = fileName.rfind('.');
    std::string extension = dot == std::string::npos ? fileName : fileName.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

#ifdef _WIN32

std::string ResolveFileNameCase(const std::string& nativePath)
{
    return nativePath;
}

#else

#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace
{

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};

bool Exists(const std::string& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0;
}

// The entry of folder whose name equals name ignoring case, or name itself.
std::string MatchEntry(const std::string& folder, const std::string& name)
{
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.empty() ? "." : folder.c_str()));
    if (!dir)
        return name;
    while (const dirent* entry = readdir(dir.get()))
    {
        if (EqualIgnoringCase(name, entry->d_name))
            return entry->d_name;
    }
    return name;
}

} // namespace

std::string ResolveFileNameCase(const std::string& nativePath)
{
    if (nativePath.empty() || Exists(nativePath))
        return nativePath;

    std::string resolved;
    std::size_t start = 0;
    if (nativePath[0] == '/')
    {
        resolved = "/";
        start = 1;
    }
    while (start <= nativePath.size())
    {
        std::size_t end = nativePath.find('/', start);
        if (end == std::string::npos)
            end = nativePath.size();
        const std::string name = nativePath.substr(start, end - start);
        if (!name.empty() && name != "." && name != ".." && !Exists(resolved + name))
            resolved += MatchEntry(resolved, name);
        else
            resolved += name;
        if (end < nativePath.size())
            resolved += '/';
        start = end + 1;
    }
    return Exists(resolved) ? resolved : nativePath;
}

#endif
