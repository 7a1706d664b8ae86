// quillet-cli metrics and batch on the bundled example solution, with the
// options they take for a workspace.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{

class SolutionCopy : public ::testing::Test
{
protected:
    ScratchFolder folder;
    const std::string solution =
        folder.Copy(std::string(QUILLET_SOURCE_DIR) + "/examples/solution", "sln") + "/example.sln";
};

TEST_F(SolutionCopy, MetricsAndBatchTakeASolutionWithTheWorkspaceOptions)
{
    const CliResult csv = RunCli({"metrics", solution, "--format", "csv"});
    ASSERT_EQ(0, csv.status) << csv.err;
    // The rows are the reader's; an item made by the build keeps the rows after it in step.
    EXPECT_TRUE(Contains(csv.out, "file,engine\\engine.vcxproj,$(IntDir)version.cpp,-1,-1,not-counted\n"
                                  "file,engine\\engine.vcxproj,include\\engine.h,16,3,counted\n"));
    EXPECT_EQ("", csv.err);

    const std::string before = folder.Read("sln/legacy/legacy.c");
    const CliResult check =
        RunCliIn(folder, {"batch", solution, "--command", "reindent", "--settings", "none.reg", "--check", "--project",
                          "ENGINE", "--project", "legacy.vcproj", "--exclude", "engine/src/*", "--jobs", "2"});
    EXPECT_EQ(1, check.status) << check.err;
    EXPECT_EQ("engine\\include\\engine.h:9: would reformat\nlegacy\\legacy.c:11: would reformat\n", check.out);
    // An item made by the build is named, not formatted.
    EXPECT_TRUE(Contains(check.err, "engine\\$(IntDir)version.cpp: skipped: "));

    const CliResult run =
        RunCliIn(folder, {"batch", solution, "--command", "reindent", "--settings", "none.reg", "--file",
                          "word count.cpp", "--file", "legacy.c", "--within", folder.PathOf("sln/legacy")});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_TRUE(Contains(run.err, "tools\\word count\\word count.cpp: skipped: outside "));
    EXPECT_TRUE(Contains(run.err, "1 of 2 source files rewritten\n"));
    EXPECT_NE(before, folder.Read("sln/legacy/legacy.c"));
}

} // namespace
