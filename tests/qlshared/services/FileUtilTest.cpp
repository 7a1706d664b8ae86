// Reading files whole and replacing them safely, keeping permissions,
// owner and attributes and clearing a killed run's leftovers. Reading every
// byte, missing files and folders, replacing and refusing read-only files
// are seen through the format, metrics and batch runs.
#include "FileUtil.h"
#include "FileNameCase.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace
{

// A rewrite named by a bare name cleans up a leftover in the current folder.
void ExpectABareNameCleansUp(const ScratchFolder& folder, const std::string& leftover)
{
    folder.Write(leftover, "left\n");
    const fs::path before = fs::current_path();
    fs::current_path(folder.PathOf(""));
    std::string error;
    EXPECT_TRUE(ReplaceFileContents("a.cpp", "new\n", error)) << error;
    fs::current_path(before);
    EXPECT_FALSE(fs::exists(folder.PathOf(leftover)));
}

class FileUtilTest : public ::testing::Test
{
protected:
    void Replace(const std::string& name, const std::string& bytes)
    {
        std::string error;
        ASSERT_TRUE(ReplaceFileContents(folder.PathOf(name), bytes, error)) << error;
    }
    ScratchFolder folder;
};

TEST_F(FileUtilTest, AFolderIsNotReplaced)
{
    std::string error;
    fs::create_directories(folder.PathOf("dir.cpp"));
    EXPECT_FALSE(ReplaceFileContents(folder.PathOf("dir.cpp"), "x", error));
    EXPECT_EQ(error, "is a directory");
}

#ifndef _WIN32
struct stat StatOf(const std::string& path)
{
    struct stat info
    {
    };
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info;
}

// A new file gets what open() would give under the umask, not a temporary
// file's private mode.
TEST_F(FileUtilTest, ReplacingKeepsTheModeAndANewFileFollowsTheUmask)
{
    chmod(folder.Write("run.sh", "old\n").c_str(), 0751);
    Replace("run.sh", "new\n");
    EXPECT_EQ(StatOf(folder.PathOf("run.sh")).st_mode & 07777, 0751u);
    const mode_t saved = umask(027);
    Replace("new.c", "x\n");
    umask(saved);
    EXPECT_EQ(StatOf(folder.PathOf("new.c")).st_mode & 07777, 0640u);
}

TEST_F(FileUtilTest, ReplacingKeepsTheOwnerWhenRootRewritesAUsersFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a file away";
    ASSERT_EQ(chown(folder.Write("user.cpp", "old\n").c_str(), 1234, 5678), 0);
    Replace("user.cpp", "new\n");
    EXPECT_EQ(StatOf(folder.PathOf("user.cpp")).st_uid, 1234u);
    EXPECT_EQ(StatOf(folder.PathOf("user.cpp")).st_gid, 5678u);
}

TEST_F(FileUtilTest, ReplacingFollowsALinkAndKeepsExtendedAttributes)
{
    const std::string target = folder.Write("target.cpp", "old\n");
    fs::create_symlink("target.cpp", folder.PathOf("link.cpp"));
    const bool hasAttributes = setxattr(target.c_str(), "user.quillet", "v", 1, 0) == 0;
    Replace("link.cpp", "new\n");
    EXPECT_TRUE(fs::is_symlink(folder.PathOf("link.cpp")));
    EXPECT_EQ(folder.Read("target.cpp"), "new\n");
    EXPECT_EQ(folder.FileCount(), 2u);
    char value[4] = {};
    EXPECT_TRUE(!hasAttributes || getxattr(target.c_str(), "user.quillet", value, sizeof value) == 1);
}

TEST_F(FileUtilTest, ReadingTakesFilesThatReportNoLength)
{
    std::string bytes, error;
    // The kernel reports a length of 0 for its /proc files.
    ASSERT_TRUE(ReadWholeFile("/proc/self/status", bytes, error)) << error;
    EXPECT_NE(bytes.find("Name:"), std::string::npos);
}

// Folders are read once for many look-ups, but a name added since is found.
TEST_F(FileUtilTest, CaseBlindLookupFindsNamesAddedAfterTheFolderWasRead)
{
    folder.Write("Sub/Name.C", "");
    EXPECT_EQ(ResolveFileNameCase(folder.PathOf("SUB/name.c")), folder.PathOf("Sub/Name.C"));
    EXPECT_EQ(ResolveFileNameCase(folder.PathOf("sub/missing.c")), folder.PathOf("sub/missing.c"));
    folder.Write("Sub/Late.H", "");
    EXPECT_EQ(ResolveFileNameCase(folder.PathOf("sub/LATE.h")), folder.PathOf("Sub/Late.H"));
}

// A rewrite removes the temporary files a killed run left beside its file,
// and nothing else.
TEST(TemporarySiblings, ARewriteRemovesOnlyItsOwnLeftovers)
{
    ScratchFolder folder;
    const std::string target = folder.Write("a.cpp", "old\n");
    const std::string other = folder.Write("other.cpp", "keep\n");
    // Left files, and whether a rewrite of a.cpp removes them.
    const std::pair<const char*, bool> left[] = {{"a.cpp.quillet-Ab3dE9", true}, {"a.cpp.quillet-4711-0", true},
                                                 {"a.cpp.quillet-Ab3dE", false}, {"a.cpp.quillet-Ab3dE9.bak", false},
                                                 {"a.cpp.quillet-47a-0", false}, {"xa.cpp.quillet-Ab3dE9", false},
                                                 {"b.cpp.quillet-Ab3dE9", false}};
    for (const auto& [name, removed] : left)
        folder.Write(name, "left\n");
    // Names that fit but are no leftovers: one held by a live run, a folder, two links.
    const char* const kept[] = {"a.cpp.quillet-Lock01", "a.cpp.quillet-Dir001", "a.cpp.quillet-Link01",
                                "a.cpp.quillet-Hard01"};
    const int locked = open(folder.Write(kept[0], "writing\n").c_str(), O_RDONLY);
    EXPECT_EQ(0, flock(locked, LOCK_EX));
    fs::create_directory(folder.PathOf(kept[1]));
    fs::create_symlink("a.cpp", folder.PathOf(kept[2]));
    fs::create_hard_link(other, folder.PathOf(kept[3]));

    std::string error;
    EXPECT_TRUE(ReplaceFileContents(target, "new\n", error)) << error;
    close(locked);
    EXPECT_EQ("new\n", folder.Read("a.cpp"));
    for (const auto& [name, removed] : left)
        EXPECT_EQ(removed, !fs::exists(folder.PathOf(name))) << name;
    for (const char* name : kept)
        EXPECT_TRUE(fs::exists(fs::symlink_status(folder.PathOf(name)))) << name;
    ExpectABareNameCleansUp(folder, left[0].first);
}
#else
TEST_F(FileUtilTest, ReplacingKeepsTheAttributesOfTheOriginal)
{
    SetFileAttributesA(folder.Write("hidden.cpp", "old\n").c_str(), FILE_ATTRIBUTE_HIDDEN);
    Replace("hidden.cpp", "new\n");
    EXPECT_TRUE(GetFileAttributesA(folder.PathOf("hidden.cpp").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.Read("hidden.cpp"), "new\n");
}

using Handle = std::unique_ptr<void, decltype(&CloseHandle)>;

// The id of a process that has just ended, as a killed run's has.
std::string EndedProcess()
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    char command[] = "cmd.exe /c exit";
    EXPECT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                               &process));
    const Handle ended(process.hProcess, &CloseHandle);
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    return std::to_string(process.dwProcessId);
}

// A rewrite removes the temporary files that killed runs left in its folder,
// and nothing else: not a live run's, not one a program holds open.
TEST_F(FileUtilTest, ARewriteRemovesWhatKilledRunsLeftInItsFolder)
{
    const std::string killed = EndedProcess();
    const std::string running = std::to_string(GetCurrentProcessId());
    const std::pair<std::string, bool> left[] = {
        {"~quillet-" + killed + "-0.tmp", true},   {"~quillet-" + killed + "-17.tmp", true},
        {"~quillet-" + running + "-0.tmp", false}, {"~quillet-" + killed + "-0.tmp.bak", false},
        {"~quillet-" + killed + "-x.tmp", false},  {"~quillet-" + killed + ".tmp", false},
        {"~quillet-9999999999-0.tmp", false},      {"qlt1A2B.tmp", false},
    };
    for (const auto& [name, removed] : left)
        folder.Write(name, "left\n");
    // A program holds one open, sharing it with everybody.
    const std::string held = "~quillet-" + killed + "-1.tmp";
    Handle holder(CreateFileA(folder.Write(held, "left\n").c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                              nullptr),
                  &CloseHandle);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder.get());

    Replace("a.cpp", "new\n");
    EXPECT_EQ("new\n", folder.Read("a.cpp"));
    for (const auto& [name, removed] : left)
        EXPECT_EQ(removed, !fs::exists(folder.PathOf(name))) << name;
    holder.reset();
    EXPECT_TRUE(fs::exists(folder.PathOf(held))) << "not even once its holder has closed it";
    const auto removed =
        std::count_if(std::begin(left), std::end(left), [](const auto& entry) { return entry.second; });
    EXPECT_EQ(std::size(left) - removed + 2, folder.FileCount())
        << "a.cpp and the held one; no temporary of the rewrite";
    ExpectABareNameCleansUp(ScratchFolder(), left[0].first);
}
#endif

} // namespace
