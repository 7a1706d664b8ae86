// quillet-cli format on named files (to stdout, in place, and --check) and
// from stdin to stdout, under command sets, options and settings files.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace
{

namespace fs = std::filesystem;

const std::string kMessy = "int f()\t\n{\n\treturn 1;  \n}\n";
const std::string kTidy = "int f()\n{\n\treturn 1;\n}\n";

class FormatFiles : public ::testing::Test
{
protected:
    // Runs "format" with a settings file that does not exist: the defaults.
    CliResult Run(std::vector<std::string> args, const std::string& input = std::string())
    {
        args.insert(args.begin(), {"format", "--settings", folder.PathOf("missing.reg")});
        return RunCliIn(folder, args, input);
    }
    // Files named on the command line also lose their trailing white space.
    CliResult Format(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--command", "delete-trailing-whitespace"});
        return Run(args);
    }

    // Sets the file's time far back, so that any rewrite shows.
    void Age(const std::string& path)
    {
        fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(24 * 400));
    }

    ScratchFolder folder;
};

TEST_F(FormatFiles, ResultsGoToStdoutInOrderAndFailuresDoNotStopTheRest)
{
    const std::string a = folder.Write("a.cpp", "a;  \r\n");
    const std::string b = folder.Write("b.cpp", "b;\t\n");
    const std::string missing = folder.PathOf("missing.cpp");
    const CliResult result = Format({b, missing, a});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "b;\na;\n");
    EXPECT_TRUE(Contains(result.err, "quillet-cli: " + missing + ": cannot open"));
    EXPECT_EQ(folder.Read("a.cpp"), "a;  \r\n");
}

// A read-only file stops nothing after it; unchanged files keep their times.
TEST_F(FormatFiles, InPlaceRewritesWhatChangesKeepingEachFilesLineEnds)
{
    const struct
    {
        const char* name;
        std::string before, after;
    } files[] = {
        {"lf.cpp", kMessy, kTidy},
        {"locked.cpp", kMessy, kMessy},
        {"crlf.cpp", "int f()\t\r\n{\r\n\treturn 1;  \r\n}", "int f()\r\n{\r\n\treturn 1;\r\n}\r\n"},
        // Mixed files follow their first line.
        {"mixed1.cpp", "a;\r\nb;\n", "a;\r\nb;\r\n"},
        {"mixed2.cpp", "a;\nb;\r\n", "a;\nb;\n"},
        {"tidy.cpp", kTidy, kTidy},
        {"tidy-crlf.cpp", "x;\r\ny;\r\n", "x;\r\ny;\r\n"},
        {"empty.cpp", "", ""},
    };
    std::vector<std::string> args = {"--in-place"};
    std::vector<fs::file_time_type> times;
    for (const auto& file : files)
    {
        args.push_back(folder.Write(file.name, file.before));
        Age(args.back());
        times.push_back(fs::last_write_time(args.back()));
    }
    folder.MakeReadOnly("locked.cpp");
    EXPECT_EQ(Format(args), (CliResult{2, "", "quillet-cli: " + args[2] + ": cannot be written: read-only\n"}));
    for (std::size_t i = 0; i < std::size(files); ++i)
    {
        EXPECT_EQ(folder.Read(files[i].name), files[i].after) << files[i].name;
        EXPECT_TRUE(files[i].before != files[i].after || fs::last_write_time(args[i + 1]) == times[i]) << files[i].name;
    }
    EXPECT_EQ(folder.FileCount(), std::size(files)) << "no temporary file may be left behind";
}

TEST_F(FormatFiles, InPlaceRewritesTheNamedFileItself)
{
    // A bare name in the current folder, and a name outside ASCII in the
    // system's own encoding: the file itself is rewritten, no other appears.
#ifdef _WIN32
    const std::string accented = "caf\xe9.cpp";
#else
    const std::string accented = "caf\xc3\xa9.cpp";
#endif
    folder.Write("here.cpp", kMessy);
    std::ofstream(folder.PathOf("") + accented, std::ios::binary) << kMessy;
    EXPECT_EQ(Format({"--in-place", "here.cpp", accented}), (CliResult{0, "", ""}));
    EXPECT_EQ(folder.Read("here.cpp"), kTidy);
    std::ifstream file(folder.PathOf("") + accented, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), kTidy);
    EXPECT_EQ(folder.FileCount(), 2u);
}

TEST_F(FormatFiles, TextWithNulIsNeverWrittenBack)
{
    const std::string bytes("int a;  \n\0int b;  \n", 19);
    const std::string nul = folder.Write("zero.cpp", bytes);
    const std::string fine = folder.Write("fine.cpp", kMessy);
    Age(nul);
    const auto before = fs::last_write_time(nul);
    const CliResult refused{2, "", "quillet-cli: " + nul + ": holds a NUL byte\n"};
    EXPECT_EQ(Format({"--in-place", nul, fine}), refused);
    EXPECT_EQ(folder.Read("zero.cpp"), bytes);
    EXPECT_EQ(fs::last_write_time(nul), before);
    EXPECT_EQ(folder.Read("fine.cpp"), kTidy);

    // One check serves every mode; --check reports it the same way.
    EXPECT_EQ(Format({"--check", nul}), refused);
}

TEST_F(FormatFiles, CheckListsWhatWouldChangeAndWritesNothing)
{
    // The first changed line is named, for editors and CI to point at.
    const std::string messy = folder.Write("messy.cpp", "a;\nb;\nc;  \nd;\n");
    const std::string tidy = folder.Write("tidy.cpp", kTidy);
    const std::string tidyCrlf = folder.Write("tidy-crlf.cpp", "x;\r\ny;\r\n");
    const std::string noFinalEnd = folder.Write("no-end.cpp", "x;");

    EXPECT_EQ(Format({"--check", tidy, messy, tidyCrlf, noFinalEnd}),
              (CliResult{1, messy + ":3: would reformat\n" + noFinalEnd + ":1: would reformat\n", ""}));
    EXPECT_EQ(folder.Read("messy.cpp"), "a;\nb;\nc;  \nd;\n");
    EXPECT_EQ(folder.Read("no-end.cpp"), "x;");

    EXPECT_EQ(Format({"--check", tidy, tidyCrlf}), (CliResult{0, "", ""}));
    // A failure outranks changes.
    const CliResult result = Format({"--check", messy, folder.PathOf("gone.cpp")});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, messy + ":3: would reformat\n");
    // stdin is checked too.
    EXPECT_EQ(Run({"--check"}, "x;\r\n"), (CliResult{0, "", ""}));
    EXPECT_EQ(Run({"--check"}, "x;"), (CliResult{1, "<stdin>:1: would reformat\n", ""}));
}

// From stdin to stdout.
using FormatStream = FormatFiles;

TEST_F(FormatStream, StdinHoldingNulIsRefused)
{
    EXPECT_EQ(Run({}, std::string("int a;\n\0int b;\n", 15)),
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
        // The option comes first on the line but is applied after the set.
        {{"--option", "DeleteTrailingWhiteSpace=0", "--command", "delete-trailing-whitespace"}, "x;  \n", "x;  \n"},
        // A value after "=" may hold "=" itself.
        {{"--command", "untabify", "--option=TabSize=2"}, "\tx;\n", "  x;\n"},
        // Later options win over earlier ones.
        {{"--option", "TabSize=3", "--option", "TabSize=1", "--option", "SpaceTabStyle=0"}, "\tx;\n", " x;\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Run(c.args, c.input), (CliResult{0, c.expected, ""})) << ::testing::PrintToString(c.args);
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
