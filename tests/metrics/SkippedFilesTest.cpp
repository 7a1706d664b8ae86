// The end-of-run message that names the files a batch skipped.
#include "SkippedFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

using Outcome = BatchFileResult::Outcome;

BatchFileResult File(const std::string& name, Outcome outcome, const std::string& error = "")
{
    return {name, "C:\\w\\" + name, outcome, error};
}

class RecordedBoxes : public IMessageSink
{
public:
    MessageAnswer Show(const std::string& text, const std::string& caption, MessageStyle style) override
    {
        shown.push_back(caption + "|" + text);
        EXPECT_EQ(MessageStyle::OkWarning, style);
        return MessageAnswer::Ok;
    }
    std::vector<std::string> shown;
};

} // namespace

TEST(SkippedFiles, OnlyFilesNotReadOrNotFormattedAreNamedWithTheirCause)
{
    BatchReport report;
    report.files = {File("written.c", Outcome::Written),
                    File("same.c", Outcome::Unchanged),
                    File("notes.txt", Outcome::NotFormattable),
                    File("locked.c", Outcome::Unreadable, "Sharing violation"),
                    File("protected.c", Outcome::WriteFailed, "is read-only"),
                    File("nul.c", Outcome::HoldsNul, "holds a NUL byte"),
                    File("odd.c", Outcome::EngineFailed, "formatting failed")};
    const CSkippedFiles skipped(report);
    EXPECT_EQ(3u, skipped.Count());
    RecordedBoxes boxes;
    skipped.Report(boxes, "Quillet");
    EXPECT_EQ((std::vector<std::string>{"Quillet|These files were skipped and left as they were:\n\n"
                                        "locked.c: cannot be read: Sharing violation\n"
                                        "nul.c: holds a NUL byte\n"
                                        "odd.c: formatting failed"}),
              boxes.shown);

    report.files.resize(5);
    EXPECT_EQ("This file was skipped and left as it was:\n\nlocked.c: cannot be read: Sharing violation",
              CSkippedFiles(report).Message());
    report.files.resize(3);
    CSkippedFiles(report).Report(boxes, "Quillet");
    EXPECT_EQ(1u, boxes.shown.size()) << "nothing skipped, nothing shown";
}

TEST(SkippedFiles, ADozenAreNamedAndTheRestCounted)
{
    for (const std::size_t count : {CSkippedFiles::NamedAtMost, CSkippedFiles::NamedAtMost + 3})
    {
        BatchReport report;
        for (std::size_t i = 0; i < count; ++i)
            report.files.push_back(File(std::to_string(i) + ".c", Outcome::HoldsNul, "holds a NUL byte"));
        const std::string text = CSkippedFiles(report).Message();
        const std::string end =
            count > CSkippedFiles::NamedAtMost ? "\n11.c: holds a NUL byte\nand 3 more" : "\n11.c: holds a NUL byte";
        EXPECT_EQ(end, text.substr(text.size() - std::min(text.size(), end.size()))) << text;
    }
}
