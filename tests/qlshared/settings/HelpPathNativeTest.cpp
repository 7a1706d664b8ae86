// The help path and version text rules where there is no registry: the
// folder comes from the settings file, else the program's own folder.
#include "HelpFilePath.h"
#include "ScratchFolder.h"
#include "VersionText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

TEST(HelpPathNative, ProgramFolderUnlessTheSettingsFileHoldsOne)
{
    // A settings folder of its own, through XDG_CONFIG_HOME.
    ScratchFolder home;
    setenv("XDG_CONFIG_HOME", home.PathOf("").c_str(), 1);
    auto writeValue = [&home](const std::string& line)
    {
        home.Write("quillet/settings.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                                           "[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\r\n" +
                                               line + "\r\n");
    };
    const std::string beside = fs::canonical("/proc/self/exe").parent_path().string() + "/Quillet.hlp";
    EXPECT_EQ(GetHelpFilePath(), beside);
    // A key without the value changes nothing.
    writeValue("\"TabSize\"=dword:00000004");
    EXPECT_EQ(GetHelpFilePath(), beside);
    // A stored folder is taken as stored.
    writeValue("\"Install Path\"=\"/opt/quillet\"");
    EXPECT_EQ(GetHelpFilePath(), "/opt/quillet/Quillet.hlp");
    unsetenv("XDG_CONFIG_HOME");
}

TEST(VersionTextNative, ShortTextOfProductVersions)
{
    // Fewer than three numbers, or anything else first, is not a version.
    const std::pair<const char*, const char*> cases[] = {
        {"1, 0, 2, 1", "1.02"}, {"2, 1, 0, 0", "2.10"}, {"1, 12, 3, 0", "1.123"}, {"3 4 5", "3.45"},
        {"1, 0", ""},           {"1.0.2.1", ""},        {"-1, 0, 2", ""},         {"", ""}};
    for (const auto& [version, shortText] : cases)
        EXPECT_EQ(ShortVersionText(version), shortText) << version;
}
