// batch --within DIR: only files whose real path lies below DIR are rewritten.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{

const std::string kMessy = "int a;  \n";
// Text mode writes CR LF on Windows.
const std::string kTidy = WindowsHost ? "int a;\r\n" : "int a;\n";

TEST(Within, OnlyFilesBelowTheFolderAreRewritten)
{
    struct Case
    {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::vector<std::string> errLines;
        std::string inside, outside, linked; // the texts afterwards
    };
    const std::string skipped = "quillet-cli: ..\\out\\b.cpp: skipped: outside ws\n";
    const std::string linkSkipped = WindowsHost ? "" : "quillet-cli: src\\link.cpp: skipped: outside ws\n";
    const Case cases[] = {
        {{}, 0, "", {}, kTidy, kTidy, kTidy},
        {{"--within", "ws"}, 0, "", {skipped, linkSkipped}, kTidy, kMessy, kMessy},
        {{"--within", "ws/src/.."}, 0, "", {"outside ws/src/..\n"}, kTidy, kMessy, kMessy},
        {{"--within", "ws", "--check"},
         1,
         "src\\a.cpp:1: would reformat\noutside ws: ..\\out\\b.cpp\n" +
             std::string(WindowsHost ? "" : "outside ws: src\\link.cpp\n"),
         {},
         kMessy,
         kMessy,
         kMessy},
        {{"--within", "ws/src/a.cpp"}, 2, "", {"batch: --within ws/src/a.cpp: "}, kMessy, kMessy, kMessy},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.args.empty() ? "no --within" : c.args.back());
        ScratchFolder folder;
        folder.Write("ws/src/a.cpp", kMessy);
        folder.Write("out/b.cpp", kMessy);
        folder.Write("out/c.cpp", kMessy);
        std::string sources = "SOURCE=.\\src\\a.cpp\n# End Source File\n# Begin Source File\n\n"
                              "SOURCE=..\\out\\b.cpp\n";
        if (!WindowsHost)
        {
            std::filesystem::create_symlink("../../out/c.cpp", folder.PathOf("ws/src/link.cpp"));
            sources += "# End Source File\n# Begin Source File\n\nSOURCE=.\\src\\link.cpp\n";
        }
        folder.Write("ws/p.dsp", "# Begin Source File\n\n" + sources + "# End Source File\n");
        folder.Write("ws/w.dsw", "#\n\nProject: \"p\"=.\\p.dsp - Package Owner=<4>\n");

        const std::filesystem::path before = std::filesystem::current_path();
        std::filesystem::current_path(folder.PathOf(""));
        std::vector<std::string> args = {"batch",      "ws/w.dsw",   "--command", "delete-trailing-whitespace",
                                         "--settings", "missing.reg"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult result = RunCli(args);
        std::filesystem::current_path(before);

        EXPECT_EQ(c.status, result.status) << result.err;
        EXPECT_EQ(c.out, result.out);
        for (const std::string& line : c.errLines)
            EXPECT_NE(result.err.find(line), std::string::npos) << line << " in " << result.err;
        EXPECT_EQ(c.inside, folder.Read("ws/src/a.cpp"));
        EXPECT_EQ(c.outside, folder.Read("out/b.cpp"));
        if (!WindowsHost)
        {
            EXPECT_EQ(c.linked, folder.Read("out/c.cpp"));
        }
    }
}

} // namespace
