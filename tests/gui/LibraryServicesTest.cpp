// GetVersionString and GetHelpFilePath through QLShared's exports.
#include "SheetHarness.h"

#include "QLShared.h"

#include <gtest/gtest.h>

namespace {

std::string ModulePath(HMODULE module)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

} // namespace

TEST(VersionString, LibraryItselfIsOnePointOhTwo)
{
    SheetHarness harness;
    EXPECT_EQ(GetVersionString(ModulePath(GetModuleHandleA("QLShared.dll"))), "1.02");
    EXPECT_TRUE(SheetHarness::boxes.empty());
}

TEST(VersionString, FileWithoutRecordGivesEmptyTextQuietly)
{
    SheetHarness harness;
    // This test program carries no version record.
    EXPECT_EQ(GetVersionString(ModulePath(nullptr)), "");
    EXPECT_EQ(GetVersionString("C:\\no such folder\\nothing.dll"), "");
    EXPECT_EQ(GetVersionString(""), "");
    EXPECT_TRUE(SheetHarness::boxes.empty());
}

TEST(HelpFilePath, StoredFolderAndItsTrailingBackslash)
{
    SheetHarness harness;
    SheetHarness::key.strings["Install Path"] = "C:\\Program Files\\Quillet";
    EXPECT_EQ(GetHelpFilePath(), "C:\\Program Files\\Quillet\\Quillet.hlp");
    SheetHarness::key.strings["Install Path"] = "C:\\Quillet\\";
    EXPECT_EQ(GetHelpFilePath(), "C:\\Quillet\\\\Quillet.hlp");
    SheetHarness::key.strings.clear();
    EXPECT_EQ(GetHelpFilePath(), "\\Quillet.hlp");
}

TEST(HelpFilePath, NoKeyGivesTheBareFileName)
{
    SheetHarness harness;
    SheetHarness::key.exists = false;
    SheetHarness::key.strings["Install Path"] = "C:\\ignored";
    EXPECT_EQ(GetHelpFilePath(), "\\Quillet.hlp");
    EXPECT_TRUE(SheetHarness::key.writes.empty());
}
