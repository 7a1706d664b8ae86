// --jobs: any number of jobs prints, writes and fails exactly as one does.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

// Files that change (each first at another line), one that does not, one
// that is missing, one holding a NUL byte and one that cannot be written.
class Jobs : public ::testing::Test
{
protected:
    static constexpr int kChanging = 24;

    // The files below folder sub, listed by sub/p.dsp of sub/w.dsw; returns
    // their paths, the missing one among them.
    std::vector<std::string> Populate(const std::string& sub)
    {
        std::vector<std::string> names;
        for (int i = 0; i < kChanging; ++i)
        {
            std::string text;
            for (int line = 0; line < i; ++line)
                text += "int a" + std::to_string(line) + ";\n";
            names.push_back("f" + std::to_string(i) + ".cpp");
            folder.Write(sub + "/" + names.back(), text + "int f()  \n{\n\treturn 1;\t\n}\n");
        }
        folder.Write(sub + "/tidy.cpp", "int g;\n");
        folder.Write(sub + "/zero.cpp", std::string("int h;  \n\0\n", 11));
        folder.Write(sub + "/ro.cpp", "int r;  \n");
        folder.MakeReadOnly(sub + "/ro.cpp");
        names.insert(names.begin() + 5, {"tidy.cpp", "missing.cpp", "zero.cpp", "ro.cpp"});

        std::string project = "# Begin Project\n# Begin Target\n";
        std::vector<std::string> paths;
        for (const std::string& name : names)
        {
            project += "# Begin Source File\n\nSOURCE=.\\" + name + "\n# End Source File\n";
            paths.push_back(folder.PathOf(sub + "/" + name));
        }
        folder.Write(sub + "/p.dsp", project + "# End Target\n# End Project\n");
        folder.Write(sub + "/w.dsw", "# Workspace\n\nProject: \"p\"=.\\p.dsp - Package Owner=<4>\n");
        return paths;
    }

    std::vector<std::string> Contents(const std::vector<std::string>& paths) const
    {
        std::vector<std::string> contents;
        for (const std::string& path : paths)
            contents.push_back(folder.Read(path));
        return contents;
    }

    // The run with --jobs jobs, the folder's name taken out of its messages.
    CliResult Run(std::vector<std::string> args, const std::string& sub, const std::string& jobs)
    {
        args.insert(args.end(), {"--settings", folder.PathOf("missing.reg"), "--jobs", jobs});
        CliResult result = RunCli(args);
        // A diff names the files with slashes.
        std::string slashed = folder.PathOf(sub);
        std::replace(slashed.begin(), slashed.end(), '\\', '/');
        for (const std::string& prefix : {folder.PathOf(sub), slashed})
        {
            for (std::string* text : {&result.out, &result.err})
            {
                for (std::size_t at = 0; (at = text->find(prefix, at)) != std::string::npos;)
                    text->replace(at, prefix.size(), "DIR");
            }
        }
        return result;
    }

    ScratchFolder folder;
};

TEST_F(Jobs, ManyJobsGiveTheBytesAndFilesOfOne)
{
    struct Case
    {
        const char* title;
        std::vector<std::string> args; // FILES or the workspace follow
        bool workspace;
    };
    const Case cases[] = {
        {"print", {"format", "--command", "delete-trailing-whitespace"}, false},
        {"check", {"format", "--check", "--verbose", "--command", "delete-trailing-whitespace"}, false},
        {"diff", {"format", "--diff", "--command", "delete-trailing-whitespace"}, false},
        {"in place", {"format", "--in-place", "--command", "delete-trailing-whitespace"}, false},
        {"batch check", {"batch", "--check", "--command", "delete-trailing-whitespace"}, true},
        {"batch", {"batch", "--command", "delete-trailing-whitespace"}, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.title);
        CliResult results[2];
        std::vector<std::string> contents[2];
        const char* jobs[] = {"1", "5"};
        for (int run = 0; run < 2; ++run)
        {
            const std::string sub = std::string(c.title) + jobs[run];
            const std::vector<std::string> paths = Populate(sub);
            std::vector<std::string> args = c.args;
            if (c.workspace)
                args.push_back(folder.PathOf(sub + "/w.dsw"));
            else
                args.insert(args.end(), paths.begin(), paths.end());
            results[run] = Run(args, sub, jobs[run]);
            contents[run] = Contents(paths);
        }
        EXPECT_EQ(results[0].status, results[1].status);
        EXPECT_EQ(results[0].out, results[1].out);
        EXPECT_EQ(results[0].err, results[1].err);
        EXPECT_EQ(contents[0], contents[1]);
        EXPECT_NE(results[0].err.find("zero.cpp: holds a NUL byte"), std::string::npos) << results[0].err;
    }
}

TEST_F(Jobs, ANumberFromOneTo256IsTaken)
{
    const std::string file = folder.Write("a.cpp", "int a;\n");
    const std::string settings = folder.PathOf("missing.reg");
    const std::string workspace = folder.Write("w.dsw", "");
    struct Case
    {
        std::vector<std::string> jobs;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"--jobs=256"}, 0, ""},
        {{"--jobs", "0"}, 2, "bad value in --jobs '0' (--jobs takes 1 to 256)"},
        {{"--jobs", "-2"}, 2, "bad value in --jobs '-2' (--jobs takes 1 to 256)"},
        {{"--jobs=two"}, 2, "bad value in --jobs 'two' (--jobs takes 1 to 256)"},
        {{"--jobs", "257"}, 2, "bad value in --jobs '257' (--jobs takes 1 to 256)"},
        {{"--jobs="}, 2, "bad value in --jobs '' (--jobs takes 1 to 256)"},
    };
    for (const Case& c : cases)
    {
        for (std::vector<std::string> args :
             {std::vector<std::string>{"format", "--check", "--settings", settings, file},
              {"batch", "--check", "--command", "full", "--settings", settings, workspace}})
        {
            SCOPED_TRACE(args[0] + " " + c.jobs.back());
            args.insert(args.end(), c.jobs.begin(), c.jobs.end());
            const CliResult result = RunCli(args);
            EXPECT_EQ(c.status, result.status) << result.err;
            EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
        }
    }
}

} // namespace
