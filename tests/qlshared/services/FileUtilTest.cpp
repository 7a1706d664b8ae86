// Reading files whole and replacing them safely, keeping permissions,
// owner and attributes; native path spelling. Reading every byte, replacing
// and refusing read-only files are seen through the format and batch runs.
#include "FileUtil.h"
#include "FileNameCase.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#ifndef _WIN32
#include <sys/xattr.h>
#include <unistd.h>
#endif

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace
{

class FileUtilTest : public ::testing::Test
{
protected:
    std::string PathOf(const std::string& name) const { return m_folder.PathOf(name); }

    static void Write(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path)
    {
        std::string bytes, error;
        EXPECT_TRUE(ReadWholeFile(path, bytes, error)) << error;
        return bytes;
    }
    ScratchFolder m_folder;
};

TEST_F(FileUtilTest, ReadingAMissingFileOrAFolderFailsWithACause)
{
    std::string bytes, error;
    EXPECT_FALSE(ReadWholeFile(PathOf("missing.cpp"), bytes, error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(ReadWholeFile(PathOf(""), bytes, error));
    EXPECT_EQ(error, "is a directory");
}

TEST_F(FileUtilTest, AFolderInPlaceOfTheFileIsRefused)
{
    fs::create_directories(PathOf("dir.cpp"));
    std::string error;
    EXPECT_FALSE(ReplaceFileContents(PathOf("dir.cpp"), "x", error));
    EXPECT_EQ(error, "is a directory");
}

#ifndef _WIN32
TEST_F(FileUtilTest, ReplacingKeepsThePermissionsOfTheOriginal)
{
    Write(PathOf("run.sh"), "old\n");
    chmod(PathOf("run.sh").c_str(), 0751);
    std::string error;
    ASSERT_TRUE(ReplaceFileContents(PathOf("run.sh"), "new\n", error)) << error;
    struct stat info
    {
    };
    ASSERT_EQ(stat(PathOf("run.sh").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0751u);
}

TEST_F(FileUtilTest, ReplacingKeepsTheOwnerWhenRootRewritesAUsersFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a file away";
    Write(PathOf("user.cpp"), "old\n");
    ASSERT_EQ(chown(PathOf("user.cpp").c_str(), 1234, 5678), 0);
    std::string error;
    ASSERT_TRUE(ReplaceFileContents(PathOf("user.cpp"), "new\n", error)) << error;
    struct stat info
    {
    };
    ASSERT_EQ(stat(PathOf("user.cpp").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 5678u);
}

TEST(NativePathTest, BackslashesBecomeSlashes)
{
    EXPECT_EQ(NativePath(".\\src\\a.cpp"), "./src/a.cpp");
}

TEST_F(FileUtilTest, ReplacingFollowsALinkAndKeepsExtendedAttributes)
{
    Write(PathOf("target.cpp"), "old\n");
    fs::create_symlink("target.cpp", PathOf("link.cpp"));
    const bool hasAttributes = setxattr(PathOf("target.cpp").c_str(), "user.quillet", "v", 1, 0) == 0;
    std::string error;
    ASSERT_TRUE(ReplaceFileContents(PathOf("link.cpp"), "new\n", error)) << error;
    EXPECT_TRUE(fs::is_symlink(PathOf("link.cpp")));
    EXPECT_EQ(Read(PathOf("target.cpp")), "new\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(PathOf("")), fs::directory_iterator()), 2);
    char value[4] = {};
    if (hasAttributes)
    {
        EXPECT_EQ(getxattr(PathOf("target.cpp").c_str(), "user.quillet", value, sizeof value), 1);
    }
}

TEST_F(FileUtilTest, ReadingGivesTheSystemsCauseAndReadsFilesThatReportNoLength)
{
    std::string bytes, error;
    // The kernel reports a length of 0 for its /proc files.
    ASSERT_TRUE(ReadWholeFile("/proc/self/status", bytes, error)) << error;
    EXPECT_NE(bytes.find("Name:"), std::string::npos);
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    Write(PathOf("secret.cpp"), "x\n");
    chmod(PathOf("secret.cpp").c_str(), 0200);
    EXPECT_FALSE(ReadWholeFile(PathOf("secret.cpp"), bytes, error));
    EXPECT_EQ(error, "Permission denied");
}

// Folders are read once for many look-ups, but a name added since is found.
TEST_F(FileUtilTest, CaseBlindLookupFindsNamesAddedAfterTheFolderWasRead)
{
    fs::create_directory(PathOf("Sub"));
    Write(PathOf("Sub/Name.C"), "");
    EXPECT_EQ(ResolveFileNameCase(PathOf("SUB/name.c")), PathOf("Sub/Name.C"));
    EXPECT_EQ(ResolveFileNameCase(PathOf("sub/missing.c")), PathOf("sub/missing.c"));
    Write(PathOf("Sub/Late.H"), "");
    EXPECT_EQ(ResolveFileNameCase(PathOf("sub/LATE.h")), PathOf("Sub/Late.H"));
}
#else
TEST_F(FileUtilTest, ReplacingKeepsTheAttributesOfTheOriginal)
{
    Write(PathOf("hidden.cpp"), "old\n");
    SetFileAttributesA(PathOf("hidden.cpp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    std::string error;
    ASSERT_TRUE(ReplaceFileContents(PathOf("hidden.cpp"), "new\n", error)) << error;
    EXPECT_TRUE(GetFileAttributesA(PathOf("hidden.cpp").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(Read(PathOf("hidden.cpp")), "new\n");
}

TEST(NativePathTest, WindowsPathsStayAsWritten)
{
    EXPECT_EQ(NativePath(".\\src\\a.cpp"), ".\\src\\a.cpp");
}
#endif

} // namespace
