// The batch with files formatted ahead on several threads: a No to the
// write-failure question and a cancel still leave every later file as it
// was, and the report and the statuses are those of one job.
#include "BatchFormatter.h"
#include "MetricsList.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <deque>

namespace
{

using Outcome = BatchFileResult::Outcome;

class CancellingProgress : public IBatchProgress
{
public:
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    bool IsCancelled() const override
    {
        return cancelAfterStatuses >= 0 && int(statuses.size()) >= cancelAfterStatuses;
    }
    void OnProgress(int) override {}

    std::vector<std::string> statuses;
    int cancelAfterStatuses = -1;
};

class Answers : public IMessageSink
{
public:
    explicit Answers(std::deque<MessageAnswer> answers) : m_answers(std::move(answers)) {}
    MessageAnswer Show(const std::string&, const std::string&, MessageStyle) override
    {
        if (m_answers.empty())
            return MessageAnswer::No;
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

private:
    std::deque<MessageAnswer> m_answers;
};

struct BatchRecord
{
    std::vector<std::string> results; // "name=outcome"
    std::vector<std::string> statuses;
    std::vector<std::string> contents;
    bool cancelled;
    bool stopped;
};

const char* const kNames[] = {"a.c", "b.c", "ro.c", "d.c", "e.c", "f.c", "g.c", "h.c"};

BatchRecord BatchOver(const ScratchFolder& folder, unsigned jobs, std::deque<MessageAnswer> answers,
                      int cancelAfterStatuses)
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
    CancellingProgress progress;
    progress.cancelAfterStatuses = cancelAfterStatuses;
    Answers messages(std::move(answers));
    const FormatStep xToY = [](const std::string& text, IProgressSink&) { return "y" + text.substr(1); };
    const BatchReport report = CBatchFormatter(list, settings, xToY, progress, messages).BatchFormat();

    BatchRecord run{{}, progress.statuses, {}, report.cancelled, report.stopped};
    for (const BatchFileResult& file : report.files)
        run.results.push_back(file.itemText + "=" + std::to_string(static_cast<int>(file.outcome)));
    for (const char* name : kNames)
        run.contents.push_back(folder.Read(name));
    return run;
}

TEST(BatchJobs, StopsWhereOneJobStops)
{
    struct Case
    {
        const char* title;
        std::deque<MessageAnswer> answers;
        int cancelAfterStatuses;
        std::size_t filesReported;
        bool cancelled;
        bool stopped;
    };
    const Case cases[] = {
        {"yes goes on", {MessageAnswer::Yes}, -1, 8, false, false},
        {"no stops after the failure", {MessageAnswer::No}, -1, 3, false, true},
        {"cancel after two files", {}, 3, 2, true, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.title);
        ScratchFolder one;
        ScratchFolder many;
        const BatchRecord inTurn = BatchOver(one, 1, c.answers, c.cancelAfterStatuses);
        const BatchRecord ahead = BatchOver(many, 4, c.answers, c.cancelAfterStatuses);
        EXPECT_EQ(c.filesReported, ahead.results.size());
        EXPECT_EQ(c.cancelled, ahead.cancelled);
        EXPECT_EQ(c.stopped, ahead.stopped);
        EXPECT_EQ(inTurn.results, ahead.results);
        EXPECT_EQ(inTurn.statuses, ahead.statuses);
        EXPECT_EQ(inTurn.contents, ahead.contents);
        // Replacements made ready but never put in place leave nothing.
        EXPECT_EQ(std::size(kNames), many.FileCount());
        // Every file after the last one reported keeps its text.
        for (std::size_t i = c.filesReported; i < ahead.contents.size(); ++i)
            EXPECT_EQ('x', ahead.contents[i][0]) << kNames[i];
    }
}

} // namespace
