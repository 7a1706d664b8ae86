// The reader and the batch run on QLShared.dll's exports, handed to them as
// the standalone program and the add-in hand them.
#include "BatchFormatter.h"
#include "LineCounter.h"
#include "MessageBoxScript.h"
#include "MetricsList.h"
#include "ProjectReader.h"
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

MetricsTable ReadExample(const SourceCounters& counters)
{
    MetricsTable table;
    std::string error;
    EXPECT_TRUE(CProjectReader(table, CProjectReader::Flavour::Standalone, counters)
                    .ReadWorkspace(std::string(QUILLET_SOURCE_DIR) + "/examples/workspace/example.dsw", error))
        << error;
    return table;
}

} // namespace

TEST(FrontEndHandOff, TheReaderCountsThroughTheExportsAsThroughThePortableCounters)
{
    const MetricsTable imported = ReadExample({GetLineCount, GetCommentCount});
    const MetricsTable portable = ReadExample({CLineCounter::GetLineCount, CLineCounter::GetCommentCount});
    ASSERT_LT(0u, imported.Size());
    EXPECT_EQ(portable.names, imported.names);
    EXPECT_EQ(portable.lineCounts, imported.lineCounts);
    EXPECT_EQ(portable.commentCounts, imported.commentCounts);
    EXPECT_LT(0, imported.lineCounts[0]);
}

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
