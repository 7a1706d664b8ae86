#include "FormatSettings.h"
#include "MessageBoxScript.h"
#include "SECRegistry.h"
#include "SettingNames.h"
#include "SettingsKey.h"
#include "SettingsRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class SettingsRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { SettingsKey::Delete(); }
    void TearDown() override { SettingsKey::Delete(); }
};

} // namespace

TEST_F(SettingsRegistryTest, NoKeyGivesEveryDefaultAndCreatesNothing)
{
    MessageBoxScript boxes;
    CSettingsRegistry store;
    EXPECT_FALSE(store.OpenKey());
    const FormatOptions o = LoadFormatOptions(store);
    const FormatOptions defaults;
    EXPECT_EQ(o.TabSize, defaults.TabSize);
    EXPECT_EQ(o.IndentSize, defaults.IndentSize);
    EXPECT_EQ(o.OperatorSpace, 2);
    EXPECT_EQ(o.ParenthesesSpace, 2);
    EXPECT_EQ(o.RecalculateIndents, 0);
    EXPECT_EQ(store.ReadString(SettingNames::InstallPath), "");
    EXPECT_FALSE(SettingsKey::Exists());
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(SettingsRegistryTest, EachValueOfTheWrongTypeOrSizeTakesItsOwnDefault)
{
    SettingsKey::SetNumber(SettingNames::TabSize, 8);
    SettingsKey::Set(SettingNames::IndentSize, REG_SZ, "8", 2);              // a string where a number belongs
    SettingsKey::Set(SettingNames::SpaceTabStyle, REG_SZ, "abc", 4);         // a string of exactly four bytes
    const BYTE binary[4] = {1, 0, 0, 0};
    SettingsKey::Set(SettingNames::OpenIndentStyle, REG_BINARY, binary, 4);  // the right size, the wrong type
    const BYTE wide[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    SettingsKey::Set(SettingNames::OpenNewLineStyle, REG_QWORD, wide, 8);    // longer than four bytes
    SettingsKey::SetNumber(SettingNames::OperatorSpace, 0);
    SettingsKey::SetNumber(SettingNames::CloseIndentStyle, 0xFFFFFFFF);

    MessageBoxScript boxes;
    CSettingsRegistry store;
    const FormatOptions o = LoadFormatOptions(store);
    EXPECT_EQ(o.TabSize, 8);
    EXPECT_EQ(o.IndentSize, 4);
    EXPECT_EQ(o.SpaceTabStyle, 2);
    EXPECT_EQ(o.OpenIndentStyle, 2);
    EXPECT_EQ(o.OpenNewLineStyle, 2);
    EXPECT_EQ(o.OperatorSpace, 0);
    EXPECT_EQ(o.ParenthesesSpace, 2) << "missing";
    EXPECT_EQ(o.CloseIndentStyle, -1) << "stored numbers pass unchanged";
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(SettingsRegistryTest, StringsAreReadUpTo2048BytesAndOnlyAsText)
{
    const std::string folder = "C:\\Program Files\\Quillet";
    // Stored without its terminating NUL, as some tools write strings.
    SettingsKey::Set(SettingNames::InstallPath, REG_SZ, folder.data(), static_cast<DWORD>(folder.size()));
    SettingsKey::SetNumber("Number", 7);
    const std::string longest(2047, 'x');
    SettingsKey::Set("Longest", REG_SZ, longest.c_str(), 2048);
    const std::string tooLong(2048, 'y');
    SettingsKey::Set("TooLong", REG_SZ, tooLong.c_str(), 2049);

    CSettingsRegistry store;
    ASSERT_TRUE(store.OpenKey());
    EXPECT_EQ(store.ReadString(SettingNames::InstallPath), folder);
    EXPECT_EQ(store.ReadString("Number"), "");
    EXPECT_EQ(store.ReadString("Longest"), longest);
    EXPECT_EQ(store.ReadString("TooLong"), "");
    EXPECT_EQ(store.ReadString("Missing"), "");
}

TEST_F(SettingsRegistryTest, OpenOrCreateMakesTheKeyAndWritesFourByteNumbers)
{
    MessageBoxScript boxes;
    FormatOptions saved;
    saved.TabSize = 3;
    saved.OperatorSpace = 0;
    saved.CloseNewLineStyle = -1;
    {
        CSettingsRegistry store;
        ASSERT_TRUE(SaveFormatOptions(store, saved));
    }
    EXPECT_TRUE(SettingsKey::Exists());
    DWORD type = 0;
    DWORD size = 0;
    DWORD number = 0;
    ASSERT_TRUE(SettingsKey::Query(SettingNames::TabSize, type, size, number));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(number, 3u);
    ASSERT_TRUE(SettingsKey::Query(SettingNames::SpellCheckText, type, size, number));
    EXPECT_EQ(number, 0u);

    CSettingsRegistry reader;
    const FormatOptions o = LoadFormatOptions(reader);
    EXPECT_EQ(o.TabSize, 3);
    EXPECT_EQ(o.OperatorSpace, 0);
    EXPECT_EQ(o.CloseNewLineStyle, -1);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(SettingsRegistryTest, MessagesAreCaptionedWithTheLibrarysTitle)
{
    EXPECT_EQ(CSettingsRegistry::ApplicationTitle(), "QLShared");
}

TEST(SECRegistryTest, ReportsEachFailureAndRoundTripsValues)
{
    const char* const scratch = "Software\\Tamsel Software\\Quillet Registry Test";
    RegDeleteKeyA(HKEY_CURRENT_USER, scratch);

    SECRegistry unconnected;
    EXPECT_FALSE(unconnected.Open("Software", KEY_READ));
    EXPECT_FALSE(unconnected.Create(scratch, KEY_ALL_ACCESS));

    SECRegistry registry;
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    EXPECT_FALSE(registry.Open(scratch, KEY_ALL_ACCESS));
    DWORD type = 0;
    BYTE buffer[8] = {};
    DWORD size = sizeof buffer;
    EXPECT_FALSE(registry.QueryValue("Value", type, buffer, size)) << "no key is open";
    const DWORD five = 5;
    EXPECT_FALSE(registry.SetValue("Value", REG_DWORD, reinterpret_cast<const BYTE*>(&five), 4));

    ASSERT_TRUE(registry.Create(scratch, KEY_ALL_ACCESS));
    ASSERT_TRUE(registry.SetValue("Value", REG_DWORD, reinterpret_cast<const BYTE*>(&five), 4));
    ASSERT_TRUE(registry.Open(scratch, KEY_READ));
    size = sizeof buffer;
    ASSERT_TRUE(registry.QueryValue("Value", type, buffer, size));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer[0], 5);
    size = 2;
    EXPECT_FALSE(registry.QueryValue("Value", type, buffer, size)) << "the buffer is too small";

    registry.Close();
    EXPECT_FALSE(registry.IsOpen());
    EXPECT_FALSE(registry.Open(scratch, KEY_READ)) << "closed with its connection";
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, scratch), ERROR_SUCCESS);
}
