// The help path and version text rules where there is no registry: the
// folder comes from the settings file, else the program's own folder.
#include "HelpFilePath.h"
#include "VersionText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A settings folder of its own for each test, through XDG_CONFIG_HOME.
class HelpPath : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_home = fs::temp_directory_path() / ("quillet-help-" + std::to_string(::getpid()));
        fs::create_directories(m_home / "quillet");
        setenv("XDG_CONFIG_HOME", m_home.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(m_home);
    }
    void WriteSettings(const std::string& text)
    {
        std::ofstream(m_home / "quillet" / "settings.reg", std::ios::binary) << text;
    }

    fs::path m_home;
};

} // namespace

TEST_F(HelpPath, DefaultsToTheProgramFolder)
{
    std::string expected = fs::canonical("/proc/self/exe").parent_path().string() + "/Quillet.hlp";
    EXPECT_EQ(GetHelpFilePath(), expected);
    // A key without the value changes nothing.
    WriteSettings("Windows Registry Editor Version 5.00\r\n\r\n"
                  "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\r\n\"TabSize\"=dword:00000004\r\n");
    EXPECT_EQ(GetHelpFilePath(), expected);
}

TEST_F(HelpPath, StoredFolderIsTakenAsStored)
{
    WriteSettings("Windows Registry Editor Version 5.00\r\n\r\n"
                  "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\r\n"
                  "\"Install Path\"=\"/opt/quillet\"\r\n");
    EXPECT_EQ(GetHelpFilePath(), "/opt/quillet/Quillet.hlp");
    WriteSettings("Windows Registry Editor Version 5.00\r\n\r\n"
                  "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\r\n"
                  "\"Install Path\"=\"/opt/quillet/\"\r\n");
    EXPECT_EQ(GetHelpFilePath(), "/opt/quillet//Quillet.hlp");
}

TEST(VersionTextNative, ShortTextOfProductVersions)
{
    EXPECT_EQ(ShortVersionText("1, 0, 2, 1"), "1.02");
    EXPECT_EQ(ShortVersionText("2, 1, 0, 0"), "2.10");
    EXPECT_EQ(ShortVersionText("1, 12, 3, 0"), "1.123");
    EXPECT_EQ(ShortVersionText("3 4 5"), "3.45");
    // Fewer than three numbers, or anything else first, is not a version.
    EXPECT_EQ(ShortVersionText("1, 0"), "");
    EXPECT_EQ(ShortVersionText("1.0.2.1"), "");
    EXPECT_EQ(ShortVersionText("-1, 0, 2"), "");
    EXPECT_EQ(ShortVersionText(""), "");
}
