// The end-of-run message that names the files a batch skipped. That it is
// shown, and only when something was skipped, is seen through the front ends.
#include "SkippedFiles.h"

#include <gtest/gtest.h>

namespace
{

using Outcome = BatchFileResult::Outcome;

BatchFileResult File(const std::string& name, Outcome outcome, const std::string& error = "")
{
    return {name, "C:\\w\\" + name, outcome, error};
}

} // namespace

TEST(SkippedFiles, FilesNotReadOrNotFormattedAreNamedWithTheirCauseADozenAtMost)
{
    BatchReport report;
    report.files = {File("written.c", Outcome::Written),
                    File("locked.c", Outcome::Unreadable, "Sharing violation"),
                    File("same.c", Outcome::Unchanged),
                    File("notes.txt", Outcome::NotFormattable),
                    File("protected.c", Outcome::WriteFailed, "is read-only"),
                    File("nul.c", Outcome::HoldsNul, "holds a NUL byte"),
                    File("odd.c", Outcome::EngineFailed, "formatting failed")};
    EXPECT_EQ("These files were skipped and left as they were:\n\n"
              "locked.c: cannot be read: Sharing violation\nnul.c: holds a NUL byte\nodd.c: formatting failed",
              CSkippedFiles(report).Message());
    report.files.resize(5);
    EXPECT_EQ("This file was skipped and left as it was:\n\nlocked.c: cannot be read: Sharing violation",
              CSkippedFiles(report).Message());
    report.files.resize(1);
    EXPECT_EQ("", CSkippedFiles(report).Message());

    for (std::size_t i = 1; i < CSkippedFiles::NamedAtMost + 3; ++i)
        report.files.push_back(File(std::to_string(i) + ".c", Outcome::HoldsNul, "holds a NUL byte"));
    const std::string text = CSkippedFiles(report).Message();
    EXPECT_NE(std::string::npos, text.find("\n12.c: holds a NUL byte\nand 2 more")) << text;
    EXPECT_EQ(std::string::npos, text.find("13.c")) << text;
}
