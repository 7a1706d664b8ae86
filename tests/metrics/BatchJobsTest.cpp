// The batch with files formatted ahead on several threads: a No to the
// write-failure question and a cancel still leave every later file as it
// was, and the report and the statuses are those of one job.
#include "BatchFormatter.h"
#include "MetricsList.h"
#include "ScratchFolder.h"
#include "ScriptedBatch.h"

#include <gtest/gtest.h>

namespace
{

const char* const kNames[] = {"a.c", "b.c", "ro.c", "d.c", "e.c", "f.c", "g.c", "h.c"};

struct Batch
{
    std::vector<std::string> results, statuses, contents; // results as "name=outcome"
    bool cancelled, stopped;
};

Batch BatchOver(const ScratchFolder& folder, unsigned jobs, MessageAnswer answer, int cancelAfterStatuses)
{
    MetricsTable table;
    table.Append(RowKind::Project, "p.dsp", 0, 0, "");
    for (const char* name : kNames)
    {
        table.Append(RowKind::SourceFile, name, 0, 0, "");
        folder.Write(name, std::string("x") + name + "\n");
    }
    folder.MakeReadOnly("ro.c");
    CMetricsList list;
    list.Fill(table);
    list.SelectAll();
    BatchSettings settings;
    settings.workspaceDirectory = folder.Directory();
    settings.jobs = jobs;
    ScriptedBatch script;
    script.answers = {answer};
    script.cancelAfter = cancelAfterStatuses;
    const FormatStep xToY = [](const std::string& text, IProgressSink&) { return "y" + text.substr(1); };
    const BatchReport report = CBatchFormatter(list, settings, xToY, script, script).BatchFormat();
    Batch batch{{}, script.statuses, {}, report.cancelled, report.stopped};
    for (const BatchFileResult& file : report.files)
        batch.results.push_back(file.itemText + "=" + std::to_string(static_cast<int>(file.outcome)));
    for (const char* name : kNames)
        batch.contents.push_back(folder.Read(name));
    return batch;
}

TEST(BatchJobs, StopsWhereOneJobStops)
{
    const struct
    {
        MessageAnswer answer;
        int cancelAfterStatuses;
        std::size_t filesReported;
    } cases[] = {
        {MessageAnswer::Yes, -1, 8}, // goes on past the failure
        {MessageAnswer::No, -1, 3},  // stops after it
        {MessageAnswer::No, 3, 2},   // cancelled after two files
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.filesReported);
        ScratchFolder one, many;
        const Batch inTurn = BatchOver(one, 1, c.answer, c.cancelAfterStatuses);
        const Batch ahead = BatchOver(many, 4, c.answer, c.cancelAfterStatuses);
        EXPECT_EQ(c.filesReported, ahead.results.size());
        EXPECT_EQ(std::tie(inTurn.results, inTurn.statuses, inTurn.contents, inTurn.cancelled, inTurn.stopped),
                  std::tie(ahead.results, ahead.statuses, ahead.contents, ahead.cancelled, ahead.stopped));
        // Replacements made ready but never put in place leave nothing.
        EXPECT_EQ(std::size(kNames), many.FileCount());
        for (std::size_t i = c.filesReported; i < ahead.contents.size(); ++i)
            EXPECT_EQ('x', ahead.contents[i][0]) << kNames[i];
    }
}

} // namespace
