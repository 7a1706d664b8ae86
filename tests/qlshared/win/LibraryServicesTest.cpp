// GetVersionString and GetHelpFilePath through QLShared's exports.
#include "SheetHarness.h"

#include <gtest/gtest.h>

TEST(VersionString, LibraryItselfIsOnePointOhTwoAndAFileWithoutARecordGivesEmptyTextQuietly)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA("QLShared.dll"), path, MAX_PATH);
    EXPECT_EQ(GetVersionString(path), "1.02");
    // This test program carries no version record.
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    EXPECT_EQ(GetVersionString(path), "");
}

TEST(HelpFilePath, IsInTheStoredInstallFolder)
{
    SheetHarness harness;
    SheetHarness::key.strings["Install Path"] = "C:\\Program Files\\Quillet";
    EXPECT_EQ(GetHelpFilePath(), "C:\\Program Files\\Quillet\\Quillet.hlp");
}
