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

    // A bare name is cleaned up in the current folder.
    folder.Write(left[0].first, "left\n");
    const fs::path before = fs::current_path();
    fs::current_path(folder.PathOf(""));
    EXPECT_TRUE(ReplaceFileContents("a.cpp", "new\n", error)) << error;
    fs::current_path(before);
    EXPECT_FALSE(fs::exists(folder.PathOf(left[0].first)));
}

} // namespace
