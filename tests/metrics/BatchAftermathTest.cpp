// What follows a batch run: the summary the status bar shows, and the rows
// of the files it rewrote counted again.
#include "BatchSummary.h"
#include "MetricsRecount.h"

#include <gtest/gtest.h>

namespace
{

using Outcome = BatchFileResult::Outcome;

BatchReport ReportOf(const std::vector<Outcome>& outcomes, bool cancelled = false, bool stopped = false)
{
    BatchReport report;
    for (Outcome outcome : outcomes)
        report.files.push_back({"f.c", "f.c", outcome, {}});
    report.cancelled = cancelled;
    report.stopped = stopped;
    return report;
}

TEST(BatchSummary, SaysHowManyFilesChangedAndWhichCouldNotBeWritten)
{
    const Outcome W = Outcome::Written, U = Outcome::Unchanged, N = Outcome::NotFormattable;
    const struct
    {
        BatchReport report;
        const char* summary;
    } cases[] = {
        {ReportOf({W, U, U, N, W, U, U, U, U}), "Reindent: 2 of 8 files changed"},
        {ReportOf({W}), "Reindent: 1 of 1 file changed"},
        {ReportOf({}), "Reindent: 0 of 0 files changed"},
        {ReportOf({W, U, U}, true), "Reindent: cancelled after 3 files, 1 changed"},
        {ReportOf({W, Outcome::WriteFailed, U}), "Reindent: 1 of 3 files changed, 1 file could not be written"},
        {ReportOf({U, Outcome::WriteFailed}, false, true),
         "Reindent: stopped after 2 files, 0 changed, 1 file could not be written"},
        {ReportOf({Outcome::HoldsNul, Outcome::Unreadable, Outcome::EngineFailed, W}),
         "Reindent: 1 of 4 files changed, 3 files could not be written"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.summary, BatchSummary("Reindent", c.report));
}

TEST(MetricsRecount, TheRowsOfRewrittenFilesAndTheirProjectsTotalsAreCountedAgain)
{
    // Project one names two's header through a quoted path; project two
    // names it plainly. Both rows are the one file.
    MetricsTable table;
    table.Append(RowKind::Project, ".\\one\\one.dsp", 11, 2, "");
    table.Append(RowKind::SourceFile, "a.c", 1, 1, "");
    table.Append(RowKind::SourceFile, "\"..\\two\\Shared.h\"", 10, 1, "");
    table.Append(RowKind::SourceFile, "notes.txt", -1, -1, "");
    table.Append(RowKind::Project, ".\\two\\two.dsp", 15, 1, "");
    table.Append(RowKind::SourceFile, "shared.h", 10, 1, "");
    table.Append(RowKind::SourceFile, "b.c", 5, 0, "");

    const std::string workspace = "C:\\ws\\";
    std::vector<std::string> counted;
    const SourceCounters counters = {[&counted](const std::string& directory, const std::string& file)
                                     {
                                         counted.push_back(directory + file);
                                         return 20;
                                     },
                                     [](const std::string&, const std::string&) { return 3; }};
    BatchReport report;
    report.files.push_back({"shared.h", "C:\\ws\\.\\two\\shared.h", Outcome::Written, {}});
    report.files.push_back({"b.c", "C:\\ws\\.\\two\\b.c", Outcome::Unchanged, {}});

    EXPECT_EQ((std::vector<std::size_t>{0, 2, 4, 5}), RecountRewrittenFiles(table, workspace, report, counters));
    EXPECT_EQ((std::vector<std::string>{"C:\\ws\\.\\one\\..\\two\\Shared.h", "C:\\ws\\.\\two\\shared.h"}), counted);
    EXPECT_EQ((std::vector<int>{21, 1, 20, -1, 25, 20, 5}), table.lineCounts);
    EXPECT_EQ((std::vector<int>{4, 1, 3, -1, 3, 3, 0}), table.commentCounts);

    // A run that rewrote nothing counts nothing.
    counted.clear();
    EXPECT_TRUE(RecountRewrittenFiles(table, workspace, ReportOf({Outcome::Unchanged}), counters).empty());
    EXPECT_TRUE(counted.empty());
}

} // namespace
