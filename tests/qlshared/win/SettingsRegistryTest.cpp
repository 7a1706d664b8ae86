// The settings store on the registry: value types, saving, and which
// module's title captions its messages. (Formatting without a key, which
// must create none, is a test of the exports.)
#include "SettingsRegistry.h"
#include "FormatSettings.h"
#include "OptionValues.h"
#include "ResourceModule.h"
#include "SettingNames.h"
#include "win/MessageBoxScript.h"
#include "win/SettingsKey.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(SettingsRegistryTest, EachValueOfAnotherTypeOrSizeTakesItsOwnDefault)
{
    SettingsKey clean;
    const BYTE one[4] = {1};
    SettingsKey::SetNumber("TabSize", 8);
    SettingsKey::Set("OpenIndentStyle", REG_BINARY, one, 4); // four bytes, not a number
    SettingsKey::SetNumber("CloseIndentStyle", 0xFFFFFFFF);
    const std::string folder = "C:\\Program Files\\Quillet";
    // Without its terminating NUL, as some tools store strings.
    SettingsKey::Set(SettingNames::InstallPath, REG_SZ, folder.data(), static_cast<DWORD>(folder.size()));

    CSettingsRegistry store;
    FormatOptions expected;
    expected.TabSize = 8;
    expected.CloseIndentStyle = BraceIndent{-1};
    EXPECT_EQ(OptionValues(LoadFormatOptions(store)), OptionValues(expected));
    EXPECT_EQ(store.ReadString(SettingNames::InstallPath), folder);
    EXPECT_EQ(store.ReadString("TabSize"), "");
}

TEST(SettingsRegistryTest, SavingCreatesTheKeyWithFourByteNumbers)
{
    SettingsKey clean;
    FormatOptions saved;
    saved.TabSize = 3;
    saved.CloseNewLineStyle = BracePlacement{-1};
    CSettingsRegistry writer;
    ASSERT_TRUE(SaveFormatOptions(writer, saved));
    DWORD type = 0, size = 0;
    ASSERT_TRUE(SettingsKey::Query("SpellCheckText", type, size));
    EXPECT_EQ(std::make_pair(type, size), std::make_pair(DWORD{REG_DWORD}, DWORD{4}));
    CSettingsRegistry reader;
    EXPECT_EQ(OptionValues(LoadFormatOptions(reader)), OptionValues(saved));
}

namespace
{

// The title of this program: its file name without folder and extension.
const char* const ProgramTitle = "windows_dll_tests";

// A volatile parent, under which the non-volatile settings key cannot be
// created: the one store failure a test can cause.
class VolatileParentKey
{
public:
    VolatileParentKey()
    {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, Parent);
        HKEY created = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, Parent, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                  &created, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(created);
    }
    ~VolatileParentKey() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, Parent); }

private:
    static constexpr const char* Parent = "Software\\Tamsel Software";
};

} // namespace

TEST(SettingsRegistryTest, MessagesAreCaptionedWithTheTitleOfTheModuleWhoseStateIsCurrent)
{
    SettingsKey clean;
    VolatileParentKey parent;
    MessageBoxScript boxes;
    EXPECT_FALSE(CSettingsRegistry().OpenOrCreateKey());
    {
        CResourceModule library(GetModuleHandleA("QLShared.dll"));
        EXPECT_FALSE(CSettingsRegistry().OpenOrCreateKey());
    }
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Error creating new key");
    EXPECT_EQ(boxes.shown[0].caption, ProgramTitle);
    EXPECT_EQ(boxes.shown[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(boxes.shown[0].owner, nullptr);
    EXPECT_EQ(boxes.shown[1].caption, "QLShared");
}
