// A rewrite removes the temporary files a killed run left beside its file,
// and nothing else.
#include "FileUtil.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;

TEST(TemporarySiblings, ARewriteRemovesOnlyItsOwnLeftovers)
{
    enum class Kind
    {
        File,
        Locked, // held by a live run
        Folder,
        Link,
        HardLink
    };
    struct Sibling
    {
        const char* name;
        Kind kind;
        bool removed;
    };
    const Sibling siblings[] = {
        {"a.cpp.quillet-Ab3dE9", Kind::File, true},      {"a.cpp.quillet-4711-0", Kind::File, true},
        {"a.cpp.quillet-Ab3dE", Kind::File, false},      {"a.cpp.quillet-Ab3dE9.bak", Kind::File, false},
        {"a.cpp.quillet-47a-0", Kind::File, false},      {"xa.cpp.quillet-Ab3dE9", Kind::File, false},
        {"b.cpp.quillet-Ab3dE9", Kind::File, false},     {"a.cpp.quillet-Lock01", Kind::Locked, false},
        {"a.cpp.quillet-Dir001", Kind::Folder, false},   {"a.cpp.quillet-Link01", Kind::Link, false},
        {"a.cpp.quillet-Hard01", Kind::HardLink, false},
    };
    ScratchFolder folder;
    const std::string target = folder.Write("a.cpp", "old\n");
    folder.Write("other.cpp", "keep\n");
    int locked = -1;
    for (const Sibling& sibling : siblings)
    {
        const std::string path = folder.PathOf(sibling.name);
        switch (sibling.kind)
        {
        case Kind::File:
            folder.Write(sibling.name, "left\n");
            break;
        case Kind::Locked:
            folder.Write(sibling.name, "writing\n");
            locked = open(path.c_str(), O_RDONLY);
            ASSERT_EQ(0, flock(locked, LOCK_EX));
            break;
        case Kind::Folder:
            fs::create_directory(path);
            break;
        case Kind::Link:
            fs::create_symlink("other.cpp", path);
            break;
        case Kind::HardLink:
            fs::create_hard_link(folder.PathOf("other.cpp"), path);
            break;
        }
    }

    std::string error;
    ASSERT_TRUE(ReplaceFileContents(target, "new\n", error)) << error;
    close(locked);

    EXPECT_EQ("new\n", folder.Read("a.cpp"));
    for (const Sibling& sibling : siblings)
        EXPECT_EQ(sibling.removed, !fs::exists(fs::symlink_status(folder.PathOf(sibling.name)))) << sibling.name;
}

TEST(TemporarySiblings, ABareNameIsCleanedUpInTheCurrentFolder)
{
    ScratchFolder folder;
    folder.Write("a.cpp", "old\n");
    folder.Write("a.cpp.quillet-Ab3dE9", "left\n");
    const fs::path before = fs::current_path();
    fs::current_path(folder.PathOf(""));
    std::string error;
    EXPECT_TRUE(ReplaceFileContents("a.cpp", "new\n", error)) << error;
    fs::current_path(before);
    EXPECT_EQ(1u, folder.FileCount());
}

} // namespace
