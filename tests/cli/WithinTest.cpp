// batch --within DIR: only files whose real path lies below DIR are rewritten.
#include "CliTestSupport.h"

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
        std::string out, err;
        std::string inside, outside; // the texts afterwards; a linked file follows outside
    };
    // No symbolic link is made on Windows.
    const std::string link = WindowsHost ? "" : "src\\link.cpp";
    const Case cases[] = {
        {{}, 0, "", "", kTidy, kTidy},
        {{"--within", "ws"}, 0, "", "..\\out\\b.cpp: skipped: outside ws\n", kTidy, kMessy},
        {{"--within", "ws"}, 0, "", link.empty() ? "" : link + ": skipped: outside ws\n", kTidy, kMessy},
        {{"--within", "ws/src/.."}, 0, "", "outside ws/src/..\n", kTidy, kMessy},
        {{"--within", "ws", "--check"},
         1,
         "src\\a.cpp:1: would reformat\noutside ws: ..\\out\\b.cpp\n" +
             (link.empty() ? "" : "outside ws: " + link + "\n"),
         "",
         kMessy,
         kMessy},
        {{"--within", "ws/src/a.cpp"}, 2, "", "batch: --within ws/src/a.cpp: ", kMessy, kMessy},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.args.empty() ? "no --within" : c.args.back());
        ScratchFolder folder;
        folder.Write("ws/src/a.cpp", kMessy);
        folder.Write("out/b.cpp", kMessy);
        folder.Write("out/c.cpp", kMessy);
        std::string sources = "SOURCE=.\\src\\a.cpp\n# Begin Source File\nSOURCE=..\\out\\b.cpp\n";
        if (!link.empty())
        {
            std::filesystem::create_symlink("../../out/c.cpp", folder.PathOf("ws/src/link.cpp"));
            sources += "# Begin Source File\nSOURCE=.\\" + link + "\n";
        }
        folder.Write("ws/p.dsp", "# Begin Source File\n" + sources);
        folder.Write("ws/w.dsw", "#\n\nProject: \"p\"=.\\p.dsp - Package Owner=<4>\n");
        std::vector<std::string> args = {"batch",      "ws/w.dsw", "--command", "delete-trailing-whitespace",
                                         "--settings", "none.reg"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult result = RunCliIn(folder, args);
        EXPECT_EQ(c.status, result.status) << result.err;
        EXPECT_EQ(c.out, result.out);
        EXPECT_TRUE(Contains(result.err, c.err));
        EXPECT_EQ(c.inside, folder.Read("ws/src/a.cpp"));
        EXPECT_EQ(c.outside, folder.Read("out/b.cpp"));
        if (!link.empty())
        {
            EXPECT_EQ(c.outside, folder.Read("out/c.cpp"));
        }
    }
}

} // namespace
