// The names of a rewrite's temporary files where there is no Win32, and the removal of those a killed run left.
#include "TemporarySiblings.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

const char kMarker[] = ".quillet-";
constexpr std::size_t kRandomLength = 6; // mkstemp's XXXXXX

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};

// An open descriptor, closed (and its lock released) on every path.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

bool AllDigits(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// Removes the entry of folder when it is a leftover nobody is writing. The
// lock is taken through a descriptor of the same file and held until the
// name is gone.
void RemoveIfLeftOver(const std::string& path)
{
    const Descriptor file(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info
    {
    };
    if (file.Get() < 0 || fstat(file.Get(), &info) != 0)
        return;
    if (S_ISREG(info.st_mode) && info.st_uid == geteuid() && info.st_nlink == 1 &&
        flock(file.Get(), LOCK_EX | LOCK_NB) == 0)
        unlink(path.c_str());
}

// The names in each folder that look like temporary files, listed when the
// first file of the folder is rewritten: listing a large folder again for
// each of its files would make a run's time grow with the square of their
// number. A leftover is left by an earlier run, so the first listing holds
// them all.
std::mutex g_candidatesLock;
std::map<std::string, std::vector<std::string>> g_candidates;

// Takes out of folderPath's list the names that are temporary files of name.
std::vector<std::string> TakeCandidates(const std::string& folderPath, const std::string& name)
{
    const std::lock_guard<std::mutex> lock(g_candidatesLock);
    auto listed = g_candidates.find(folderPath);
    if (listed == g_candidates.end())
    {
        const std::unique_ptr<DIR, DirCloser> folder(opendir(folderPath.c_str()));
        if (!folder)
            return {};
        listed = g_candidates.emplace(folderPath, std::vector<std::string>()).first;
        while (const dirent* entry = readdir(folder.get()))
        {
            if (std::strstr(entry->d_name, kMarker))
                listed->second.push_back(entry->d_name);
        }
    }
    std::vector<std::string>& names = listed->second;
    const auto mine = std::stable_partition(names.begin(), names.end(),
                                            [&](const std::string& entry) { return !IsTemporaryNameOf(entry, name); });
    std::vector<std::string> taken(mine, names.end());
    names.erase(mine, names.end());
    return taken;
}

} // namespace

std::string TemporaryTemplate(const std::string& target)
{
    return target + kMarker + std::string(kRandomLength, 'X');
}

std::string LinkedTemporaryName(const std::string& target, pid_t process, unsigned attempt)
{
    return target + kMarker + std::to_string(process) + "-" + std::to_string(attempt);
}

bool IsTemporaryNameOf(const std::string& entry, const std::string& targetName)
{
    const std::string prefix = targetName + kMarker;
    if (entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    const std::string suffix = entry.substr(prefix.size());
    const std::size_t dash = suffix.find('-');
    if (dash != std::string::npos)
        return AllDigits(suffix.substr(0, dash)) && AllDigits(suffix.substr(dash + 1));
    return suffix.size() == kRandomLength &&
           std::all_of(suffix.begin(), suffix.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

void RemoveLeftTemporaries(const std::string& target)
{
    const std::size_t slash = target.rfind('/');
    const std::string folderPath = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (const std::string& entry : TakeCandidates(folderPath, name))
        RemoveIfLeftOver(folderPath + entry);
}
