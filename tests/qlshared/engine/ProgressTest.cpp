// The percentages the engine reports while it formats, and failures inside
// a pass.
#include "FormatHelper.h"
#include "ProgressReporter.h"

#include <gtest/gtest.h>

#include <numeric>
#include <stdexcept>
#include <vector>

namespace
{
struct RecordingSink : IProgressSink
{
    std::vector<int> sent;
    void OnProgress(int percent) override { sent.push_back(percent); }
};

struct FailingSink : IProgressSink
{
    void OnProgress(int) override { throw std::runtime_error("cancelled"); }
};

std::string Repeat(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line;
    return text;
}

std::vector<int> ProgressOf(const std::string& text, const FormatOptions& options)
{
    RecordingSink sink;
    CCodeFormatter formatter(text, options);
    formatter.SetProgressDialog(&sink);
    EXPECT_NE(formatter.Format(), 0);
    return sink.sent;
}
} // namespace

TEST(Progress, EachPercentOnceForTwoHundredLinesAndNothingForOneOrNone)
{
    std::vector<int> expected(99);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(ProgressOf(Repeat("x;\n", 200), Reindenting()), expected);
    EXPECT_TRUE(ProgressOf("", Reindenting()).empty());
    EXPECT_TRUE(ProgressOf("int a;\n", Reindenting()).empty());
}

TEST(Progress, LargeLineCountsDoNotOverflow)
{
    RecordingSink sink;
    CProgressReporter progress(&sink);
    progress.Report(50000000, 60000000);
    progress.Report(50000001, 60000000);
    EXPECT_EQ(sink.sent, std::vector<int>{83});
}

TEST(Progress, FailureInsideThePassIsReportedNotThrown)
{
    FailingSink sink;
    CCodeFormatter formatter("a\nb\nc\n", Reindenting());
    formatter.SetProgressDialog(&sink);
    EXPECT_EQ(formatter.Format(), 0);
    EXPECT_EQ(formatter.GetResult(), "");
}
