// Case-blind file name lookup, so that project files written on Windows find their sources on case-sensitive systems.
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
#include <mutex>
#include <sys/stat.h>
#include <time.h>
#include <unordered_map>

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

std::string Lower(const std::string& name)
{
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// A folder's entries by their names in lower case, the first of each kind
// in the folder's order. A project names many files of the same folders, so
// a folder is read once and read again only when a name is not found in it
// and the folder has changed since (or had changed so shortly before it was
// read that a later change could carry the same time).
struct FolderListing
{
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    bool racy = true;
    std::unordered_map<std::string, std::string> entries;

    bool IsOf(const struct stat& info) const { return device == info.st_dev && inode == info.st_ino; }
    bool MayHaveChanged(const struct stat& info) const
    {
        return racy || modified.tv_sec != info.st_mtim.tv_sec || modified.tv_nsec != info.st_mtim.tv_nsec;
    }
    bool Read(const std::string& path, const struct stat& info)
    {
        std::unique_ptr<DIR, DirCloser> dir(opendir(path.c_str()));
        if (!dir)
            return false;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        device = info.st_dev;
        inode = info.st_ino;
        modified = info.st_mtim;
        const long long sinceChange =
            (now.tv_sec - info.st_mtim.tv_sec) * 1000000000LL + now.tv_nsec - info.st_mtim.tv_nsec;
        racy = sinceChange < RacyNanoseconds;
        entries.clear();
        while (const dirent* entry = readdir(dir.get()))
            entries.emplace(Lower(entry->d_name), entry->d_name);
        return true;
    }

    // Well above the clock tick file times are taken from.
    static constexpr long long RacyNanoseconds = 100000000;
};

std::mutex g_listingsLock;
std::unordered_map<std::string, FolderListing> g_listings;

// The entry of folder whose name equals name ignoring case, or name itself.
std::string MatchEntry(const std::string& folder, const std::string& name)
{
    const std::string path = folder.empty() ? "." : folder;
    struct stat info
    {
    };
    if (stat(path.c_str(), &info) != 0)
        return name;
    const std::lock_guard<std::mutex> lock(g_listingsLock);
    FolderListing& listing = g_listings[path];
    const std::string key = Lower(name);
    if (!listing.IsOf(info) || (listing.entries.count(key) == 0 && listing.MayHaveChanged(info)))
    {
        if (!listing.Read(path, info))
        {
            g_listings.erase(path);
            return name;
        }
    }
    const auto match = listing.entries.find(key);
    return match == listing.entries.end() ? name : match->second;
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
