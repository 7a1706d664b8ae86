#include "FormatSettings.h"
#include "MessageBoxScript.h"
#include "OptionValues.h"
#include "SettingNames.h"
#include "SettingsKey.h"
#include "SettingsRegistry.h"

#include <gtest/gtest.h>

#include <string>

TEST(SettingsRegistryTest, NoKeyGivesEveryDefaultAndCreatesNothing)
{
    SettingsKey clean;
    MessageBoxScript boxes;
    CSettingsRegistry store;
    EXPECT_EQ(OptionValues(LoadFormatOptions(store)), OptionValues(FormatOptions()));
    EXPECT_EQ(store.ReadString(SettingNames::InstallPath), "");
    EXPECT_FALSE(SettingsKey::Exists());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(SettingsRegistryTest, EachValueOfAnotherTypeOrSizeTakesItsOwnDefault)
{
    SettingsKey clean;
    const BYTE one[8] = {1};
    SettingsKey::SetNumber(SettingNames::TabSize, 8);
    SettingsKey::Set(SettingNames::IndentSize, REG_SZ, "8", 2);
    SettingsKey::Set(SettingNames::SpaceTabStyle, REG_SZ, "abc", 4);        // a string of four bytes
    SettingsKey::Set(SettingNames::OpenIndentStyle, REG_BINARY, one, 4);    // four bytes, not a number
    SettingsKey::Set(SettingNames::OpenNewLineStyle, REG_QWORD, one, 8);    // longer than four bytes
    SettingsKey::SetNumber(SettingNames::CloseIndentStyle, 0xFFFFFFFF);
    const std::string folder = "C:\\Program Files\\Quillet";
    // Without its terminating NUL, as some tools store strings.
    SettingsKey::Set(SettingNames::InstallPath, REG_SZ, folder.data(), static_cast<DWORD>(folder.size()));
    const std::string longest(2047, 'x');
    SettingsKey::Set("Longest", REG_SZ, longest.c_str(), 2048);
    SettingsKey::Set("TooLong", REG_SZ, std::string(2048, 'y').c_str(), 2049);

    CSettingsRegistry store;
    FormatOptions expected;
    expected.TabSize = 8;
    expected.CloseIndentStyle = -1;
    EXPECT_EQ(OptionValues(LoadFormatOptions(store)), OptionValues(expected));
    EXPECT_EQ(store.ReadString(SettingNames::InstallPath), folder);
    EXPECT_EQ(store.ReadString(SettingNames::TabSize), "");
    EXPECT_EQ(store.ReadString("Longest"), longest);
    EXPECT_EQ(store.ReadString("TooLong"), "");
}

TEST(SettingsRegistryTest, SavingCreatesTheKeyWithFourByteNumbers)
{
    SettingsKey clean;
    MessageBoxScript boxes;
    FormatOptions saved;
    saved.TabSize = 3;
    saved.CloseNewLineStyle = -1;
    {
        CSettingsRegistry store;
        ASSERT_TRUE(SaveFormatOptions(store, saved));
    }
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_TRUE(SettingsKey::Query(SettingNames::SpellCheckText, type, size));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    CSettingsRegistry reader;
    EXPECT_EQ(OptionValues(LoadFormatOptions(reader)), OptionValues(saved));
    EXPECT_TRUE(boxes.shown.empty());
}
