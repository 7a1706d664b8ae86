// The settings file of systems without a registry: defaults, malformed
// values, and saving without disturbing other text.
#include "FileSettingsStore.h"
#include "FormatSettings.h"
#include "OptionValues.h"
#include "ScratchFolder.h"
#include "SettingNames.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{

const std::string Head = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\n";

class FileSettingsStoreTest : public ::testing::Test
{
protected:
    ScratchFolder scratch;
    const std::string path = scratch.PathOf("settings.reg");
};

} // namespace

TEST_F(FileSettingsStoreTest, MissingFileOrSectionGivesEveryDefaultAndCreatesNothing)
{
    CFileSettingsStore missing(path);
    EXPECT_EQ(OptionValues(LoadFormatOptions(missing)), OptionValues(FormatOptions()));
    EXPECT_NE(missing.LastError().find(path), std::string::npos);
    EXPECT_EQ(scratch.FileCount(), 0u);

    scratch.Write(path, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"TabSize\"=dword:00000008\n");
    CFileSettingsStore other(path);
    EXPECT_FALSE(other.OpenKey());
}

TEST_F(FileSettingsStoreTest, EachMalformedValueTakesItsOwnDefault)
{
    scratch.Write(path, "Windows Registry Editor Version 5.00\r\n\r\n"
                        "[hkey_local_machine\\software\\tamsel software\\QUILLET]\r\n"
                        "\"TabSize\"=\"8\"\r\n"              // a string where a number belongs
                        "\"IndentSize\"=dword:123456789\r\n" // more than four bytes
                        "\"SpaceTabStyle\"=dword:0000000g\r\n"
                        "\"OpenNewLineStyle\"=hex:01,00,00,00\r\n"
                        "\"CloseIndentStyle\"=dword:00000001 x\r\n"
                        "garbage\r\n\"unterminated=dword:00000001\r\n"
                        "\"closenewlinestyle\" = DWORD:00000000\r\n"
                        "\"ParenthesesSpace\"=dword:1\r\n"
                        "\"RecalculateIndents\"=dword:ffffffff\r\n"
                        "\"Install Path\"=\"C:\\\\Program Files\\\\Q \\\"1\\\"\"\r\n"
                        "\"Bad Path\"=\"C:\\Q\"\r\n");
    CFileSettingsStore store(path);
    FormatOptions expected;
    expected.CloseNewLineStyle = BracePlacement::OwnLine;
    expected.ParenthesesSpace = Spacing::NoSpace;
    expected.RecalculateIndents = OnOff{-1};
    EXPECT_EQ(OptionValues(LoadFormatOptions(store)), OptionValues(expected));
    EXPECT_EQ(store.ReadString(SettingNames::InstallPath), "C:\\Program Files\\Q \"1\"");
    EXPECT_EQ(store.ReadString("Bad Path"), "");
    EXPECT_EQ(store.ReadString("ParenthesesSpace"), "");
}

TEST_F(FileSettingsStoreTest, SavedOptionsComeBackAndOtherTextStaysByteForByte)
{
    const std::string before = "REGEDIT4\n\n; note\n[HKEY_CURRENT_USER\\A]\n\"Blob\"=hex:01,\\\n  02\n\n";
    const std::string after = "\n[HKEY_CURRENT_USER\\B]\r\n\"X\"=dword:00000001";
    scratch.Write(path, before +
                            "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\n"
                            "\"TabSize\"=dword:00000002\nodd line\n\"TabSize\"=dword:00000003\n" +
                            after);
    FormatOptions saved;
    saved.TabSize = 9;
    saved.CloseIndentStyle = BraceIndent{-1};
    saved.SpellCheckText = OnOff{20};
    CFileSettingsStore store(path);
    ASSERT_TRUE(SaveFormatOptions(store, saved));
    EXPECT_EQ(OptionValues(LoadFormatOptions(store)), OptionValues(saved));

    // Duplicates collapse into the first line; new values follow the
    // section's last line in the order they were written.
    std::string expected = before + "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\n"
                                    "\"TabSize\"=dword:00000009\nodd line\n";
    for (const char* line :
         {"IndentSize\"=dword:00000004", "SpaceTabStyle\"=dword:00000002", "CloseIndentStyle\"=dword:ffffffff",
          "CloseNewLineStyle\"=dword:00000002", "OpenIndentStyle\"=dword:00000002", "OpenNewLineStyle\"=dword:00000002",
          "RecalculateIndents\"=dword:00000000", "DeleteTrailingWhiteSpace\"=dword:00000000",
          "OperatorSpace\"=dword:00000002", "ParenthesesSpace\"=dword:00000002", "SpellCheckComments\"=dword:00000000",
          "SpellCheckText\"=dword:00000014"})
        expected += std::string("\"") + line + "\n";
    EXPECT_EQ(scratch.Read(path), expected + after);
}

TEST_F(FileSettingsStoreTest, OpenOrCreateAddsWhatIsMissingAndKeepsOtherWritersValues)
{
    const std::string nested = scratch.PathOf("a/b/settings.reg");
    CFileSettingsStore first(nested);
    ASSERT_TRUE(first.OpenOrCreateKey());
    EXPECT_EQ(scratch.Read(nested), "Windows Registry Editor Version 5.00\r\n\r\n"
                                    "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\r\n");
    CFileSettingsStore second(nested);
    ASSERT_TRUE(second.OpenKey() && second.WriteNumber("IndentSize", 8) && first.WriteNumber("TabSize", 2));
    CFileSettingsStore reader(nested);
    const FormatOptions read = LoadFormatOptions(reader);
    EXPECT_EQ(std::make_pair(read.TabSize, read.IndentSize), std::make_pair(2, 8));

    scratch.Write(path, "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]");
    CFileSettingsStore store(path);
    ASSERT_TRUE(store.OpenOrCreateKey());
    EXPECT_EQ(scratch.Read(path), "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\n" + Head.substr(10));
    // Another writer took the section away since: a write puts it back.
    scratch.Write(path, "REGEDIT4\n");
    ASSERT_TRUE(store.WriteNumber("TabSize", 3));
    EXPECT_TRUE(CFileSettingsStore(path).OpenKey());
    EXPECT_EQ(store.ReadNumber("TabSize", 4), 3);
}

// A last line continued with backslashes takes in the lines after it: a write
// must land where it reads back, the continued line keeping its meaning.
TEST_F(FileSettingsStoreTest, WritesAfterAContinuedLastLineReadBack)
{
    for (const std::string& text : {Head + "\"X\"=dword:00000001\\",               // value continued, no line end
                                    Head + "\"X\"=hex:01,\\\n",                    // ... with a line end
                                    std::string("REGEDIT4\n\n\"X\"=\"a\\\\"),      // key missing, two backslashes
                                    std::string("REGEDIT4\n\n\"X\"=\"a\\\\\\\n")}) // ... three
    {
        SCOPED_TRACE(text);
        scratch.Write(path, text);
        CFileSettingsStore store(path);
        ASSERT_TRUE(store.OpenOrCreateKey() && store.OpenOrCreateKey() && store.WriteNumber("TabSize", 7));
        CFileSettingsStore reader(path);
        EXPECT_EQ(LoadFormatOptions(reader).TabSize, 7);
        const std::string written = scratch.Read(path);
        EXPECT_EQ(written.find("[HKEY_LOCAL_MACHINE"), written.rfind("[HKEY_LOCAL_MACHINE"));
        EXPECT_EQ(written.find("X"), written.rfind("X"));
    }
}

TEST_F(FileSettingsStoreTest, AFileThatCannotBeReadOrWrittenIsLeftAlone)
{
    const std::string original = Head + "\"TabSize\"=dword:00000002\n";
    scratch.Write(path, original);
    CFileSettingsStore store(path);
    ASSERT_TRUE(store.OpenKey());
    scratch.MakeReadOnly(path);
    EXPECT_FALSE(store.WriteNumber("TabSize", 7));
    EXPECT_NE(store.LastError().find(path), std::string::npos);
    EXPECT_EQ(scratch.Read(path), original);
    EXPECT_EQ(scratch.FileCount(), 1u) << "no temporary file may be left behind";

    // regedit's own Unicode export: reading it as bytes would ruin it.
    const std::string utf16("\xFF\xFEW\0i\0n\0\r\0\n\0", 12);
    const std::string unicodePath = scratch.PathOf("unicode.reg");
    scratch.Write(unicodePath, utf16);
    CFileSettingsStore unicode(unicodePath);
    EXPECT_FALSE(SaveFormatOptions(unicode, FormatOptions()));
    EXPECT_EQ(scratch.Read(unicodePath), utf16);

    const std::string fresh = scratch.Write("fresh.reg", Head);
    EXPECT_FALSE(CFileSettingsStore(fresh).WriteNumber("TabSize", 1)) << "no write without an open key";
    EXPECT_EQ(scratch.Read(fresh), Head);
}
