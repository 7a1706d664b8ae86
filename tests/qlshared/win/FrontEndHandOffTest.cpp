// The batch run formats through QLShared.dll's export, handed to it as the
// standalone program and the add-in hand it. (The reader's hand-off is the
// counters' signature: the counting exports have tests of their own.)
#include "BatchFormatter.h"
#include "MessageBoxScript.h"
#include "MetricsList.h"
#include "QLShared.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace
{

class NoCancel : public IBatchProgress
{
public:
    void SetStatus(const std::string&) override {}
    bool IsCancelled() const override { return false; }
    void OnProgress(int) override {}
};

class NoQuestions : public IMessageSink
{
public:
    MessageAnswer Show(const std::string& text, const std::string&, MessageStyle) override
    {
        ADD_FAILURE() << "unexpected question: " << text;
        return MessageAnswer::No;
    }
};

} // namespace

TEST(FrontEndHandOff, TheBatchFormatsThroughTheExport)
{
    MessageBoxScript boxes;
    ScratchFolder folder;
    folder.Write("p/a.c", "int a;   \r\nint b;\t\r\n");
    MetricsTable table;
    table.Append(RowKind::Project, ".\\p\\p.dsp", 0, 0, "");
    table.Append(RowKind::SourceFile, "a.c", 0, 0, "");
    CMetricsList list;
    list.Fill(table);
    list.SelectAll();
    BatchSettings settings;
    settings.workspaceDirectory = folder.Directory();
    // Delete trailing white space, as the standalone program's command does.
    const FormatStep deleteTrailing = [](const std::string& text, IProgressSink&)
    { return SpecialFormatText(text, nullptr, 2, 2, 2, 2, 2, 0, 0, 0, 1); };
    NoCancel progress;
    NoQuestions questions;
    const BatchReport report = CBatchFormatter(list, settings, deleteTrailing, progress, questions).BatchFormat();
    ASSERT_EQ(1u, report.files.size());
    EXPECT_EQ(BatchFileResult::Outcome::Written, report.files[0].outcome);
    EXPECT_EQ("int a;\r\nint b;\r\n", folder.Read("p/a.c"));
    EXPECT_TRUE(boxes.shown.empty());
}
