// quillet-cli format over folders: which files a tree gives, --check and
// --diff output, and the team settings file found for each file.
#include "CliTestSupport.h"
#include "GlobPattern.h"
#ifndef _WIN32
#include "FileSettingsStore.h"
#endif

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

const std::string kMessy = "a;\nb;  \n";

TEST(GlobPattern, MatchesNamesAnywhereAndPathsWhole)
{
    const struct
    {
        const char* pattern;
        const char* path;
        bool matches;
    } cases[] = {
        {"build", "src/build/x.c", true},
        {"build", "src/builder/x.c", false},
        {"*.gen.c", "a/b/x.gen.c", true},
        {"src/*.c", "src/a.c", true},
        {"src/*.c", "src/sub/a.c", false},
        {"src/**/*.c", "src/x/y/a.c", true},
        {"**/gen", "./a/gen", true},
        {"third_party/**", "third_party", true},
        {"third_party/**", "src/third_party/a.c", false},
        {"a*b*c", "axxbyy", false},
        {"src\\*.c", "src/a.c", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGlobPattern(c.pattern).Matches(c.path), c.matches) << c.pattern << " ~ " << c.path;
}

class FormatTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.PathOf(""));
        WriteTree();
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    void WriteTree()
    {
        for (const char* name : {"src/b.cpp", "src/a.c", "src/sub/C.H", "src/sub/d.hpp", "src/gen/e.cpp",
                                 "src/.git/f.cpp", "src/notes.txt"})
            folder.Write(name, kMessy);
    }

    CliResult Check(std::vector<std::string> args, const std::string& stdinBytes = std::string())
    {
        args.insert(args.begin(),
                    {"format", "--settings", "missing.reg", "--command", "delete-trailing-whitespace", "--check"});
        return RunCli(args, stdinBytes);
    }

    ScratchFolder folder;
    std::filesystem::path previous;
};

TEST_F(FormatTree, FoldersGiveTheirSourcesSortedLessExclusions)
{
    const auto line = [](const std::string& name) { return name + ":2: would reformat\n"; };
    const struct
    {
        std::vector<std::string> args;
        std::string stdinBytes;
        std::string out;
    } cases[] = {
        {{"src"}, "", line("src/a.c") + line("src/b.cpp") + line("src/gen/e.cpp") + line("src/sub/C.H")},
        {{"src/", "--exclude", "gen", "--extensions", "HPP,.txt"},
         "",
         line("src/a.c") + line("src/b.cpp") + line("src/notes.txt") + line("src/sub/C.H") + line("src/sub/d.hpp")},
        {{"--exclude=src/**/*.?", "--exclude", "*.cpp", "src"}, "", ""},
        // A file named outright is taken whatever its extension, unless excluded.
        {{"src/notes.txt", "src/b.cpp", "--exclude", "b.*"}, "", line("src/notes.txt")},
        {{"--files-from", "-"}, "src/sub\r\n\nsrc/b.cpp\n", line("src/sub/C.H") + line("src/b.cpp")},
        {{"--files-from", "-", "--exclude", "src"}, "src/b.cpp\n", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check(c.args, c.stdinBytes), (CliResult{c.out.empty() ? 0 : 1, c.out, ""}))
            << ::testing::PrintToString(c.args);
    EXPECT_EQ(Check({"--files-from", "none.txt"}),
              (CliResult{2, "", "quillet-cli: none.txt: cannot read the list of files\n"}));
}

TEST_F(FormatTree, DiffAppliesWithPatchAndGitApply)
{
    if (WindowsHost)
        GTEST_SKIP() << "patch and git are tools of the Linux build";
    // CR LF, no line end at the end, and changes far apart (two hunks); a
    // file that changes nearly everywhere takes the diff's shortcut.
    std::string lines;
    for (int i = 0; i < 20; ++i)
        lines += "x" + std::to_string(i) + ";" + (i % 15 == 3 ? "  " : "") + "\n";
    std::string changes;
    for (int i = 0; i < 3000; ++i)
        changes += "y" + std::to_string(i % 50) + ";" + (i % 7 ? "  " : "") + "\n";
    folder.Write("src/sub/C.H", "a;  \r\nb;\r\nc;");
    folder.Write("src/b.cpp", lines);
    folder.Write("src/c.c", changes);
    const CliResult diff = Check({"--diff", "src"});
    ASSERT_EQ(diff.status, 1) << diff.err;
    EXPECT_NE(diff.out.find("--- a/src/sub/C.H\n+++ b/src/sub/C.H\n@@ -1,3 +1,3 @@\n-a;  \r\n+a;\r\n"),
              std::string::npos)
        << diff.out;
    EXPECT_NE(diff.out.find("@@ -16,5 +16,5 @@\n x15;\n"), std::string::npos) << diff.out;
    folder.Write("fix.patch", diff.out);
    for (const char* apply : {"patch -s -p1 < fix.patch", "git init -q . && git apply fix.patch"})
    {
        WriteTree();
        folder.Write("src/sub/C.H", "a;  \r\nb;\r\nc;");
        folder.Write("src/b.cpp", lines);
        folder.Write("src/c.c", changes);
        ASSERT_EQ(std::system(apply), 0) << apply;
        const CliResult after = Check({"src"});
        EXPECT_EQ(after.status, 0) << apply << ": " << after.out;
        EXPECT_EQ(folder.Read("src/sub/C.H"), "a;\r\nb;\r\nc;\r\n") << apply;
    }
}

TEST_F(FormatTree, NearestTeamSettingsFileAppliesUnlessSettingsIsGiven)
{
    WriteSettings(folder, "src/.quillet.reg", {{"OperatorSpace", 0}});
    WriteSettings(folder, "src/sub/.quillet.reg", {{"OperatorSpace", 1}});
    WriteSettings(folder, "given.reg", {{"OperatorSpace", 2}});
    folder.Write("src/sub/deep/x.c", "a=b;\n");
    folder.Write("src/y.c", "a=b;\n");
    folder.Write("z.c", "a = b;\n");
    const std::vector<std::string> files = {"src/y.c", "src/sub/deep/x.c", "z.c"};
    std::vector<std::string> args = {"format", "--verbose", "--command", "full"};
    args.insert(args.end(), files.begin(), files.end());
    CliResult result = RunCli(args);
    EXPECT_EQ(result.out.substr(0, 12), "a = b;\na=b;\n");
    const std::string base = folder.PathOf("");
    const std::string nearest = (std::filesystem::path(base) / "src" / "sub" / ".quillet.reg").string();
    EXPECT_TRUE(Contains(result.err, "src/sub/deep/x.c: settings from " + nearest + "\n"));
    EXPECT_EQ(result.err.find("z.c: settings from " + base), std::string::npos) << result.err;
#ifndef _WIN32
    EXPECT_TRUE(Contains(result.err, "quillet-cli: z.c: settings from " + DefaultSettingsFilePath() + "\n"));
#endif

    args.insert(args.begin() + 1, {"--settings", "given.reg"});
    result = RunCli(args);
    EXPECT_EQ(result.out, "a=b;\na=b;\na = b;\n");
    EXPECT_TRUE(Contains(result.err, "quillet-cli: src/y.c: settings from given.reg\n"));
}

} // namespace
