#include "FileSettingsStore.h"
#include "FormatSettings.h"
#include "SettingNames.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace
{

const std::string Header = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string Section = "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\r\n";

void ExpectDefaults(const FormatOptions& o)
{
    const FormatOptions d;
    EXPECT_EQ(o.TabSize, 4);
    EXPECT_EQ(o.IndentSize, 4);
    EXPECT_EQ(o.SpaceTabStyle, 2);
    EXPECT_EQ(o.OpenIndentStyle, 2);
    EXPECT_EQ(o.OpenNewLineStyle, 2);
    EXPECT_EQ(o.CloseIndentStyle, 2);
    EXPECT_EQ(o.CloseNewLineStyle, 2);
    EXPECT_EQ(o.ParenthesesSpace, 2);
    EXPECT_EQ(o.OperatorSpace, 2);
    EXPECT_EQ(o.DeleteTrailingWhiteSpace, 0);
    EXPECT_EQ(o.RecalculateIndents, 0);
    EXPECT_EQ(o.SpellCheckComments, 0);
    EXPECT_EQ(o.SpellCheckText, 0);
}

class FileSettingsStoreTest : public ::testing::Test
{
protected:
    std::string Settings() const { return scratch.PathOf("settings.reg"); }
    ScratchFolder scratch;
};

} // namespace

TEST_F(FileSettingsStoreTest, MissingFileOrSectionFailsToOpenAndGivesEveryDefault)
{
    CFileSettingsStore missing(Settings());
    EXPECT_FALSE(missing.OpenKey());
    EXPECT_NE(missing.LastError().find(Settings()), std::string::npos);
    ExpectDefaults(LoadFormatOptions(missing));
    EXPECT_FALSE(std::filesystem::exists(Settings())) << "reading must never create the file";

    ScratchFolder::Write(Settings(), Header + "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"TabSize\"=dword:00000008\r\n");
    CFileSettingsStore other(Settings());
    EXPECT_FALSE(other.OpenKey());
    ExpectDefaults(LoadFormatOptions(other));
}

TEST_F(FileSettingsStoreTest, ReadsNumbersAndEscapedStrings)
{
    ScratchFolder::Write(Settings(), Header + Section +
                                         "\"TabSize\"=dword:00000008\r\n"
                                         "\"OperatorSpace\"=dword:00000001\r\n"
                                         "\"RecalculateIndents\"=dword:ffffffff\r\n"
                                         "\"Install Path\"=\"C:\\\\Program Files\\\\Quillet \\\"1\\\"\"\r\n");
    CFileSettingsStore store(Settings());
    ASSERT_TRUE(store.OpenKey());
    EXPECT_EQ(store.ReadNumber(SettingNames::TabSize, 4), 8);
    EXPECT_EQ(store.ReadNumber(SettingNames::OperatorSpace, 2), 1);
    EXPECT_EQ(store.ReadNumber(SettingNames::RecalculateIndents, 0), -1);
    EXPECT_EQ(store.ReadNumber(SettingNames::IndentSize, 17), 17);
    EXPECT_EQ(store.ReadString(SettingNames::InstallPath), "C:\\Program Files\\Quillet \"1\"");
    EXPECT_EQ(store.ReadString("Missing"), "");
    // A number is no string.
    EXPECT_EQ(store.ReadString(SettingNames::TabSize), "");
}

TEST_F(FileSettingsStoreTest, MalformedValuesTakeTheirDefaultsOneByOne)
{
    ScratchFolder::Write(Settings(), "REGEDIT4\n\n[hkey_local_machine\\software\\tamsel software\\QUILLET]\n"
                                     "\"TabSize\"=\"8\"\n"                 // a string where a number belongs
                                     "\"IndentSize\"=dword:123456789\n"    // more than four bytes
                                     "\"SpaceTabStyle\"=dword:\n"
                                     "\"OpenIndentStyle\"=dword:0000000g\n"
                                     "\"OpenNewLineStyle\"=hex:01,00,00,00\n"
                                     "\"CloseIndentStyle\"=dword:00000001 trailing\n"
                                     "garbage without quotes\n"
                                     "\"unterminated=dword:00000001\n"
                                     "\"CloseNewLineStyle\"\n"
                                     "\"closenewlinestyle\" = DWORD:00000000\n"
                                     "\"ParenthesesSpace\"=dword:1\n"
                                     "\"Install Path\"=\"C:\\Bad escape\"\n");
    CFileSettingsStore store(Settings());
    ASSERT_TRUE(store.OpenKey());
    const FormatOptions o = LoadFormatOptions(store);
    EXPECT_EQ(o.TabSize, 4);
    EXPECT_EQ(o.IndentSize, 4);
    EXPECT_EQ(o.SpaceTabStyle, 2);
    EXPECT_EQ(o.OpenIndentStyle, 2);
    EXPECT_EQ(o.OpenNewLineStyle, 2);
    EXPECT_EQ(o.CloseIndentStyle, 2);
    EXPECT_EQ(o.CloseNewLineStyle, 0) << "names, key and type are matched without regard to case";
    EXPECT_EQ(o.ParenthesesSpace, 1);
    EXPECT_EQ(store.ReadString(SettingNames::InstallPath), "");
}

TEST_F(FileSettingsStoreTest, SavedOptionsReadBackAndAreWrittenInTheSheetOrder)
{
    FormatOptions saved;
    saved.TabSize = 3;
    saved.IndentSize = 0;
    saved.SpaceTabStyle = 1;
    saved.OpenIndentStyle = 0;
    saved.OpenNewLineStyle = 1;
    saved.CloseIndentStyle = -1;
    saved.CloseNewLineStyle = 0;
    saved.ParenthesesSpace = 0;
    saved.OperatorSpace = 1;
    saved.DeleteTrailingWhiteSpace = 1;
    saved.RecalculateIndents = 1;
    saved.SpellCheckComments = 1;
    saved.SpellCheckText = 20;
    {
        CFileSettingsStore store(Settings());
        ASSERT_TRUE(SaveFormatOptions(store, saved));
    }
    CFileSettingsStore store(Settings());
    const FormatOptions o = LoadFormatOptions(store);
    EXPECT_EQ(o.TabSize, 3);
    EXPECT_EQ(o.IndentSize, 0);
    EXPECT_EQ(o.SpaceTabStyle, 1);
    EXPECT_EQ(o.OpenIndentStyle, 0);
    EXPECT_EQ(o.OpenNewLineStyle, 1);
    EXPECT_EQ(o.CloseIndentStyle, -1);
    EXPECT_EQ(o.CloseNewLineStyle, 0);
    EXPECT_EQ(o.ParenthesesSpace, 0);
    EXPECT_EQ(o.OperatorSpace, 1);
    EXPECT_EQ(o.DeleteTrailingWhiteSpace, 1);
    EXPECT_EQ(o.RecalculateIndents, 1);
    EXPECT_EQ(o.SpellCheckComments, 1);
    EXPECT_EQ(o.SpellCheckText, 20);

    EXPECT_EQ(ScratchFolder::Read(Settings()),
              Header + Section +
                  "\"TabSize\"=dword:00000003\r\n"
                  "\"IndentSize\"=dword:00000000\r\n"
                  "\"SpaceTabStyle\"=dword:00000001\r\n"
                  "\"CloseIndentStyle\"=dword:ffffffff\r\n"
                  "\"CloseNewLineStyle\"=dword:00000000\r\n"
                  "\"OpenIndentStyle\"=dword:00000000\r\n"
                  "\"OpenNewLineStyle\"=dword:00000001\r\n"
                  "\"RecalculateIndents\"=dword:00000001\r\n"
                  "\"DeleteTrailingWhiteSpace\"=dword:00000001\r\n"
                  "\"OperatorSpace\"=dword:00000001\r\n"
                  "\"ParenthesesSpace\"=dword:00000000\r\n"
                  "\"SpellCheckComments\"=dword:00000001\r\n"
                  "\"SpellCheckText\"=dword:00000014\r\n");
}

TEST_F(FileSettingsStoreTest, RewritingLeavesEverythingElseByteForByte)
{
    const std::string before = "REGEDIT4\n\n; kept comment\n[HKEY_CURRENT_USER\\Software\\A]\n"
                               "\"Blob\"=hex:01,02,\\\n  03,04\n\n";
    const std::string ours = "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\n"
                             "\"TabSize\"=dword:00000002\n"
                             "\"Install Path\"=\"D:\\\\Q\"\n"
                             "\"TabSize\"=dword:00000003\n"
                             "odd line\n";
    const std::string after = "\n[HKEY_CURRENT_USER\\Software\\B]\r\n\"X\"=dword:00000001";
    ScratchFolder::Write(Settings(), before + ours + after);

    CFileSettingsStore store(Settings());
    ASSERT_TRUE(store.OpenKey());
    EXPECT_EQ(store.ReadNumber(SettingNames::TabSize, 4), 3) << "the last line of a value wins, as on import";
    ASSERT_TRUE(store.WriteNumber(SettingNames::TabSize, 9));
    ASSERT_TRUE(store.WriteNumber(SettingNames::IndentSize, 5));
    EXPECT_EQ(ScratchFolder::Read(Settings()),
              before +
                  "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\n"
                  "\"TabSize\"=dword:00000009\n"
                  "\"Install Path\"=\"D:\\\\Q\"\n"
                  "odd line\n"
                  "\"IndentSize\"=dword:00000005\n" +
                  after);
}

TEST_F(FileSettingsStoreTest, OpenOrCreateAddsTheSectionToAnExistingFile)
{
    ScratchFolder::Write(Settings(), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"X\"=dword:00000001");
    CFileSettingsStore store(Settings());
    ASSERT_TRUE(store.OpenOrCreateKey());
    ASSERT_TRUE(store.WriteNumber(SettingNames::TabSize, 6));
    EXPECT_EQ(ScratchFolder::Read(Settings()),
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"X\"=dword:00000001\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\n\"TabSize\"=dword:00000006\n");
}

TEST_F(FileSettingsStoreTest, OpenOrCreateMakesMissingFolders)
{
    const std::string nested = scratch.PathOf("a/b/settings.reg");
    CFileSettingsStore store(nested);
    ASSERT_TRUE(store.OpenOrCreateKey());
    EXPECT_EQ(ScratchFolder::Read(nested), Header + Section);
    EXPECT_TRUE(CFileSettingsStore(nested).OpenKey());
}

TEST_F(FileSettingsStoreTest, AReadOnlyFileIsNeitherChangedNorCut)
{
    const std::string original = Header + Section + "\"TabSize\"=dword:00000002\r\n";
    ScratchFolder::Write(Settings(), original);
    CFileSettingsStore store(Settings());
    ASSERT_TRUE(store.OpenKey());
    std::filesystem::permissions(Settings(), std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                                 std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(store.WriteNumber(SettingNames::TabSize, 7));
    EXPECT_NE(store.LastError().find(Settings()), std::string::npos);
    EXPECT_EQ(ScratchFolder::Read(Settings()), original);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()), {}), 1)
        << "no temporary file may be left behind";
}

TEST_F(FileSettingsStoreTest, AFileItCannotReadIsNeverOverwritten)
{
    // regedit's own Unicode export: FF FE, then UTF-16 text.
    const std::string utf16("\xFF\xFEW\0i\0n\0\r\0\n\0", 12);
    ScratchFolder::Write(Settings(), utf16);
    CFileSettingsStore unicode(Settings());
    EXPECT_FALSE(unicode.OpenKey());
    EXPECT_FALSE(unicode.OpenOrCreateKey());
    EXPECT_FALSE(SaveFormatOptions(unicode, FormatOptions()));
    EXPECT_EQ(ScratchFolder::Read(Settings()), utf16);

    const std::string folder = scratch.PathOf("folder.reg");
    std::filesystem::create_directory(folder);
    CFileSettingsStore directory(folder);
    EXPECT_FALSE(directory.OpenOrCreateKey());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(FileSettingsStoreTest, WritesNeedAnOpenKeyAndKeepOtherWritersValues)
{
    CFileSettingsStore closed(Settings());
    EXPECT_FALSE(closed.WriteNumber(SettingNames::TabSize, 1));
    EXPECT_FALSE(std::filesystem::exists(Settings()));

    CFileSettingsStore first(Settings());
    ASSERT_TRUE(first.OpenOrCreateKey());
    CFileSettingsStore second(Settings());
    ASSERT_TRUE(second.OpenKey());
    ASSERT_TRUE(second.WriteNumber(SettingNames::IndentSize, 8));
    ASSERT_TRUE(first.WriteNumber(SettingNames::TabSize, 2));

    CFileSettingsStore reader(Settings());
    ASSERT_TRUE(reader.OpenKey());
    EXPECT_EQ(reader.ReadNumber(SettingNames::IndentSize, 4), 8);
    EXPECT_EQ(reader.ReadNumber(SettingNames::TabSize, 4), 2);
}

#ifndef _WIN32
TEST(DefaultSettingsFilePathTest, FollowsXdgConfigHomeElseHome)
{
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string xdg = savedXdg ? savedXdg : "";
    const char* savedHome = std::getenv("HOME");
    const std::string home = savedHome ? savedHome : "";

    setenv("HOME", "/home/q", 1);
    setenv("XDG_CONFIG_HOME", "/etc/xdg-q", 1);
    EXPECT_EQ(DefaultSettingsFilePath(), "/etc/xdg-q/quillet/settings.reg");
    setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(DefaultSettingsFilePath(), "/home/q/.config/quillet/settings.reg");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultSettingsFilePath(), "/home/q/.config/quillet/settings.reg");

    if (savedXdg)
        setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    if (savedHome)
        setenv("HOME", home.c_str(), 1);
    else
        unsetenv("HOME");
}
#endif
