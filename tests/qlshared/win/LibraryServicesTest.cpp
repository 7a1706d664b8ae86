// GetVersionString and GetHelpFilePath through QLShared's exports.
#include "SheetHarness.h"

#include <gtest/gtest.h>

TEST(VersionString, LibraryItselfIsOnePointOhTwoAndOtherFilesGiveEmptyTextQuietly)
{
    SheetHarness harness;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA("QLShared.dll"), path, MAX_PATH);
    EXPECT_EQ(GetVersionString(path), "1.02");
    // This test program carries no version record.
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    EXPECT_EQ(GetVersionString(path), "");
    EXPECT_EQ(GetVersionString(""), "");
    EXPECT_TRUE(SheetHarness::Boxes().empty());
}

TEST(HelpFilePath, StoredFolderOnlyWhereTheKeyOpens)
{
    SheetHarness harness;
    SheetHarness::key.strings["Install Path"] = "C:\\Program Files\\Quillet";
    EXPECT_EQ(GetHelpFilePath(), "C:\\Program Files\\Quillet\\Quillet.hlp");
    SheetHarness::key.strings.clear();
    EXPECT_EQ(GetHelpFilePath(), "\\Quillet.hlp");
    // Without the key a stored value is not seen, and nothing is written.
    SheetHarness::key.exists = false;
    SheetHarness::key.strings["Install Path"] = "C:\\ignored";
    EXPECT_EQ(GetHelpFilePath(), "\\Quillet.hlp");
    EXPECT_TRUE(SheetHarness::key.writes.empty());
    EXPECT_FALSE(SheetHarness::key.exists);
}
