// --jobs: any number of jobs prints, writes and fails exactly as one does.
#include "CliTestSupport.h"

namespace
{

// Files that change (each first at another line), one that does not, one that
// is missing, one holding a NUL byte and one that cannot be written, listed by
// p.dsp of w.dsw; returns their names.
std::vector<std::string> Populate(const ScratchFolder& folder)
{
    std::vector<std::string> names;
    std::string text;
    for (int i = 0; i < 24; ++i, text += "int a;\n")
    {
        names.push_back("f" + std::to_string(i) + ".cpp");
        folder.Write(names.back(), text + "int f()  \n{\n\treturn 1;\t\n}\n");
    }
    folder.Write("tidy.cpp", "int g;\n");
    folder.Write("zero.cpp", std::string("int h;  \n\0\n", 11));
    folder.Write("ro.cpp", "int r;  \n");
    folder.MakeReadOnly("ro.cpp");
    names.insert(names.begin() + 5, {"tidy.cpp", "missing.cpp", "zero.cpp", "ro.cpp"});
    std::string project;
    for (const std::string& name : names)
        project += "# Begin Source File\n\nSOURCE=.\\" + name + "\n# End Source File\n";
    folder.Write("p.dsp", project);
    folder.Write("w.dsw", "#\n\nProject: \"p\"=.\\p.dsp - Package Owner=<4>\n");
    return names;
}

TEST(Jobs, ManyJobsGiveTheBytesAndFilesOfOne)
{
    const std::vector<std::string> modes[] = {{"format"},           {"format", "--check", "--verbose"},
                                              {"format", "--diff"}, {"format", "--in-place"},
                                              {"batch", "--check"}, {"batch"}};
    for (const std::vector<std::string>& mode : modes)
    {
        SCOPED_TRACE(mode.back());
        CliResult results[2];
        std::vector<std::string> contents[2];
        for (int run = 0; run < 2; ++run)
        {
            ScratchFolder folder;
            const std::vector<std::string> names = Populate(folder);
            std::vector<std::string> args = mode;
            args.insert(args.end(), {"--command", "delete-trailing-whitespace", "--settings", "none.reg", "--jobs",
                                     run == 0 ? "1" : "5"});
            if (mode[0] == "batch")
                args.push_back("w.dsw");
            else
                args.insert(args.end(), names.begin(), names.end());
            results[run] = RunCliIn(folder, args);
            for (const std::string& name : names)
                contents[run].push_back(folder.Read(name));
        }
        EXPECT_EQ(results[0], results[1]);
        EXPECT_EQ(contents[0], contents[1]);
        EXPECT_TRUE(Contains(results[0].err, "zero.cpp: holds a NUL byte"));
    }
}

} // namespace
