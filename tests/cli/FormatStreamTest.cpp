// quillet-cli format from stdin to stdout, under command sets, options and
// settings files.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

class FormatStream : public ::testing::Test
{
protected:
    // Runs "format" with a settings file that does not exist: the defaults.
    CliResult Format(std::vector<std::string> args, const std::string& input)
    {
        args.insert(args.begin(), {"format", "--settings", folder.PathOf("missing.reg")});
        return RunCli(args, input);
    }

    ScratchFolder folder;
};

TEST_F(FormatStream, StdinHoldingNulIsRefused)
{
    EXPECT_EQ(Format({}, std::string("int a;\n\0int b;\n", 15)),
              (CliResult{2, "", "quillet-cli: <stdin>: holds a NUL byte\n"}));
}

// Each row: the arguments after the defaults, stdin, and stdout. What each
// set does to a text is the engine's to test; here, that the run applies it.
TEST_F(FormatStream, CommandSetsAndOptionsApplyTheirValues)
{
    const struct
    {
        std::vector<std::string> args;
        std::string input, expected;
    } cases[] = {
        // The defaults change nothing but line ends; bytes above 127 pass.
        {{}, "a\r\nb", "a\nb\n"},
        {{}, "", ""},
        {{}, "char* s = \"\xe9\xff\x80\";\n", "char* s = \"\xe9\xff\x80\";\n"},
        {{"--command", "untabify"}, "\tx;\n", "    x;\n"},
        // full keeps the stored options: the defaults change nothing here.
        {{"--command", "full"}, "\tx; \n", "\tx; \n"},
        // The option comes first on the line but is applied after the set.
        {{"--option", "DeleteTrailingWhiteSpace=0", "--command", "delete-trailing-whitespace"}, "x;  \n", "x;  \n"},
        {{"--command", "untabify", "--option", "TabSize=2"}, "\tx;\n", "  x;\n"},
        // A set cannot reach TabSize: only the stored value or an option can.
        {{"--command", "untabify", "--option", "SpaceTabStyle=2"}, "\tx;\n", "\tx;\n"},
        // Later options win over earlier ones.
        {{"--option", "TabSize=3", "--option", "TabSize=1", "--option", "SpaceTabStyle=0"}, "\tx;\n", " x;\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.args, c.input), (CliResult{0, c.expected, ""})) << ::testing::PrintToString(c.args);
}

TEST_F(FormatStream, SettingsFileValuesAreHonoured)
{
    const std::string settings =
        WriteSettings(folder, "settings.reg", {{"TabSize", 8}, {"SpaceTabStyle", 0}, {"DeleteTrailingWhiteSpace", 1}});
    // full: the stored options unchanged.
    EXPECT_EQ(RunCli({"format", "--settings", settings}, "\tx; \n"), (CliResult{0, "        x;\n", ""}));
    // A set replaces the stored SpaceTabStyle and DeleteTrailingWhiteSpace
    // but keeps the stored TabSize.
    EXPECT_EQ(RunCli({"format", "--settings", settings, "--command", "tabify"}, "                x; \n").out,
              "\t\tx; \n");
    // An option overrides a stored value.
    EXPECT_EQ(RunCli({"format", "--settings", settings, "--option", "TabSize=2"}, "\tx;\n").out, "  x;\n");
}

TEST_F(FormatStream, UnreadableSettingsFileIsAnError)
{
    std::filesystem::create_directory(folder.PathOf("sub"));
    const CliResult result = RunCli({"format", "--settings", folder.PathOf("sub")}, "x;\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(Contains(result.err, "settings"));
}

#ifndef _WIN32
TEST_F(FormatStream, DefaultSettingsFileLiesUnderTheConfigFolder)
{
    std::filesystem::create_directories(folder.PathOf("config/quillet"));
    WriteSettings(folder, "config/quillet/settings.reg", {{"TabSize", 3}, {"SpaceTabStyle", 0}});
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", folder.PathOf("config").c_str(), 1);
    const CliResult result = RunCli({"format"}, "\tx;\n");
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(result, (CliResult{0, "   x;\n", ""}));
}
#endif

} // namespace
