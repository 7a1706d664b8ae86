// Reading files whole and replacing them safely, keeping permissions,
// owner and attributes; native path spelling. Reading every byte, replacing
// and refusing read-only files are seen through the format and batch runs.
#include "FileUtil.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#ifndef _WIN32
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
