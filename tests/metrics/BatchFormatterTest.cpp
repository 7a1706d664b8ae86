// The batch formatter over a metrics list: which files it formats, what it
// writes, and the questions it asks when a write fails.
#include "BatchFormatter.h"
#include "MetricsList.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <deque>

namespace
{

using Outcome = BatchFileResult::Outcome;

// A file rewritten from an LF-only original: text mode on Windows writes
// CR LF, elsewhere the file keeps its own line ends.
std::string Rewritten(std::string text)
{
    for (std::size_t at = 0; WindowsHost && (at = text.find('\n', at)) != std::string::npos; at += 2)
        text.insert(at, 1, '\r');
    return text;
}

class RecordingProgress : public IBatchProgress
{
public:
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    bool IsCancelled() const override { return cancelAfterFormats >= 0 && formats >= cancelAfterFormats; }
    void OnProgress(int percent) override { percents.push_back(percent); }

    std::vector<std::string> statuses;
    std::vector<int> percents;
    int formats = 0;
    int cancelAfterFormats = -1;
};

class ScriptedMessages : public IMessageSink
{
public:
    MessageAnswer Show(const std::string& text, const std::string& caption, MessageStyle style) override
    {
        texts.push_back(text);
        EXPECT_EQ("Quillet", caption);
        EXPECT_EQ(MessageStyle::YesNoQuestion, style);
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << text;
        if (answers.empty())
            return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<MessageAnswer> answers;
    std::vector<std::string> texts;
};

class BatchRun : public ::testing::Test
{
protected:
    // Projects and files named the way the reader names them: project paths
    // relative to the workspace, file names relative to the project.
    void SetUp() override
    {
        Add(RowKind::Project, ".\\one\\one.dsp");
        Add(RowKind::SourceFile, ".\\a.c");
        Add(RowKind::SourceFile, ".\\b.cpp");
        Add(RowKind::Project, "two.dsp");
        Add(RowKind::SourceFile, "sub\\c.h");
        // Selected with the rest, a project without files yields nothing.
        Add(RowKind::Project, "empty.dsp");
        folder.Write("one/a.c", "xa\n");
        folder.Write("one/b.cpp", "xb\n");
        folder.Write("sub/c.h", "xc\n");
        settings.workspaceDirectory = folder.Directory();
    }

    // Formats by turning each x into y; "FAIL" makes it fail like the engine.
    FormatStep Step()
    {
        return [this](const std::string& text, IProgressSink& sink)
        {
            ++progress.formats;
            formatted.push_back(text);
            sink.OnProgress(50);
            if (text.find("FAIL") != std::string::npos)
                return std::string();
            std::string result = text;
            for (char& c : result)
                c = c == 'x' ? 'y' : c;
            return result;
        };
    }

    void Add(RowKind kind, const std::string& name, const std::string& data = "")
    {
        table.Append(kind, name, 0, 0, data);
    }
    CMetricsList& List()
    {
        if (list.ProjectCount() == 0)
            list.Fill(table);
        return list;
    }
    CBatchFormatter Formatter() { return CBatchFormatter(List(), settings, Step(), progress, messages); }
    BatchReport Run() { return Formatter().BatchFormat(); }

    ScratchFolder folder;
    MetricsTable table;
    CMetricsList list;
    BatchSettings settings;
    RecordingProgress progress;
    ScriptedMessages messages;
    std::vector<std::string> formatted;
};

// A file of a report as "item text=outcome".
std::string Result(const std::string& itemText, Outcome outcome)
{
    return itemText + "=" + std::to_string(static_cast<int>(outcome));
}

std::vector<std::string> Results(const BatchReport& report)
{
    std::vector<std::string> results;
    for (const BatchFileResult& file : report.files)
        results.push_back(Result(file.itemText, file.outcome));
    return results;
}

TEST_F(BatchRun, NothingSelectedTouchesNothing)
{
    EXPECT_TRUE(Run().files.empty());
    EXPECT_EQ(std::vector<std::string>{"Initializing"}, progress.statuses);
    EXPECT_EQ("xa\n", folder.Read("one/a.c"));
}

TEST_F(BatchRun, SelectedFilesAndProjectsEachOnceInTreeOrder)
{
    List().SelectProject(1);
    List().SelectFile(1, 0);
    List().SelectFile(0, 1);
    const BatchReport report = Run();
    EXPECT_EQ((std::vector<std::string>{Result(".\\b.cpp", Outcome::Written), Result("sub\\c.h", Outcome::Written)}),
              Results(report));
    EXPECT_EQ("xa\n", folder.Read("one/a.c"));
    EXPECT_EQ(Rewritten("yb\n"), folder.Read("one/b.cpp"));
    // The project's folder is the part of its name before the last backslash.
    EXPECT_EQ(Rewritten("yc\n"), folder.Read("sub/c.h"));
    EXPECT_EQ((std::vector<std::string>{"Initializing", "Formatting file: .\\b.cpp", "Formatting file: sub\\c.h"}),
              progress.statuses);
    EXPECT_EQ((std::vector<int>{50, 50}), progress.percents);
}

TEST_F(BatchRun, OnlyFormattableExtensionsInAnyCase)
{
    const std::pair<std::string, bool> files[] = {{"Main.CPP", true}, {"x.hpp", false},   {"x.cxx", false},
                                                  {"x.rc", false},    {"\"q.c\"", false}, {"X.INL", true},
                                                  {"Makefile", false}};
    Add(RowKind::Project, "p.dsp");
    std::vector<std::string> expected;
    for (const auto& [name, formattable] : files)
    {
        Add(RowKind::SourceFile, name);
        // Windows file names cannot hold quotes; the name alone must stop it.
        if (name.find('"') == std::string::npos)
            folder.Write(name, "x\n");
        expected.push_back(Result(name, formattable ? Outcome::Written : Outcome::NotFormattable));
    }
    List().SelectProject(3);
    EXPECT_EQ(expected, Results(Run()));
    EXPECT_EQ(2, progress.formats);
    for (const auto& [name, formattable] : files)
    {
        if (name.find('"') == std::string::npos)
        {
            EXPECT_EQ(formattable ? Rewritten("y\n") : "x\n", folder.Read(name)) << name;
        }
    }
}

TEST_F(BatchRun, FullPathsAndWriteFailureQuestionPerFrontEndAndCommand)
{
    Add(RowKind::Project, "one.dsp");
    Add(RowKind::SourceFile, ".\\a.c", "C:\\work\\one\\");
    const std::string tail = " encount with file:\n\nmy.c\n\nProceed with other files?";
    EXPECT_EQ(folder.Directory() + ".\\one\\.\\b.cpp", Formatter().FullPath(TargetItem{0, 1}));
    EXPECT_EQ(folder.Directory() + "sub\\c.h", Formatter().FullPath(TargetItem{1, 0}));
    EXPECT_EQ("Write Protect Error" + tail, Formatter().WriteFailureText("my.c"));
    settings.fullFormat = true;
    EXPECT_EQ("Write Error" + tail, Formatter().WriteFailureText("my.c"));
    settings.fullFormat = false;
    settings.frontEnd = BatchSettings::FrontEnd::AddIn;
    EXPECT_EQ("C:\\work\\one\\.\\a.c", Formatter().FullPath(TargetItem{3, 0}));
    EXPECT_EQ("Write Error" + tail, Formatter().WriteFailureText("my.c"));
}

TEST_F(BatchRun, ReadOnlyFileAsksYesGoesOnAndNoLeavesTheRestUnvisited)
{
    folder.MakeReadOnly("one/a.c");
    folder.MakeReadOnly("one/b.cpp");
    List().SelectAll();
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    const BatchReport report = Run();
    EXPECT_EQ(
        (std::vector<std::string>{"Write Protect Error encount with file:\n\n.\\a.c\n\nProceed with other files?",
                                  "Write Protect Error encount with file:\n\n.\\b.cpp\n\nProceed with other files?"}),
        messages.texts);
    EXPECT_EQ("xa\n", folder.Read("one/a.c"));
    EXPECT_EQ("xb\n", folder.Read("one/b.cpp"));
    EXPECT_EQ("xc\n", folder.Read("sub/c.h"));
    EXPECT_EQ(
        (std::vector<std::string>{Result(".\\a.c", Outcome::WriteFailed), Result(".\\b.cpp", Outcome::WriteFailed)}),
        Results(report));
    EXPECT_FALSE(report.files[0].error.empty());
    EXPECT_TRUE(report.stopped);
    EXPECT_EQ(2, progress.formats);
}

TEST_F(BatchRun, CancelTakesEffectAfterTheCurrentFile)
{
    List().SelectAll();
    progress.cancelAfterFormats = 1;
    const BatchReport report = Run();
    EXPECT_TRUE(report.cancelled);
    ASSERT_EQ(1u, report.files.size());
    EXPECT_EQ(Rewritten("ya\n"), folder.Read("one/a.c"));
    EXPECT_EQ("xb\n", folder.Read("one/b.cpp"));
    EXPECT_EQ(1, progress.formats);
}

TEST_F(BatchRun, LineEndsAreKept)
{
    folder.Write("one/a.c", "xa\r\nb\r\n");
    folder.Write("one/b.cpp", "xb\nc\n");
    List().SelectProject(0);
    Run();
    // The engine sees bare line feeds; a selected project stands for all its files.
    EXPECT_EQ((std::vector<std::string>{"xa\nb\n", "xb\nc\n"}), formatted);
    EXPECT_EQ("ya\r\nb\r\n", folder.Read("one/a.c"));
    EXPECT_EQ(Rewritten("yb\nc\n"), folder.Read("one/b.cpp"));
}

TEST_F(BatchRun, FilesThatMustNotBeRewrittenAreLeftAlone)
{
    const std::string withNul = std::string("xa\n") + '\0' + "x\n";
    folder.Write("one/b.cpp", "no change\n");
    folder.Write("sub/c.h", "x FAIL\n");
    // Unchanged results are never written, so a read-only file raises no question.
    folder.MakeReadOnly("one/b.cpp");
    std::filesystem::remove(folder.PathOf("one/a.c"));
    Add(RowKind::Project, "three.dsp");
    Add(RowKind::SourceFile, "zero.c");
    folder.Write("zero.c", withNul);
    List().SelectAll();
    const BatchReport report = Run();

    EXPECT_EQ(
        (std::vector<std::string>{Result(".\\a.c", Outcome::Unreadable), Result(".\\b.cpp", Outcome::Unchanged),
                                  Result("sub\\c.h", Outcome::EngineFailed), Result("zero.c", Outcome::HoldsNul)}),
        Results(report));
    EXPECT_EQ("x FAIL\n", folder.Read("sub/c.h"));
    EXPECT_EQ(withNul, folder.Read("zero.c"));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(BatchRun, CheckOnlyWritesAndAsksNothing)
{
    folder.MakeReadOnly("one/a.c");
    folder.Write("sub/c.h", "same\n");
    settings.checkOnly = true;
    List().SelectAll();
    const BatchReport report = Run();
    EXPECT_EQ(
        (std::vector<std::string>{Result(".\\a.c", Outcome::WouldChange), Result(".\\b.cpp", Outcome::WouldChange),
                                  Result("sub\\c.h", Outcome::Unchanged)}),
        Results(report));
    EXPECT_EQ(1u, report.files[0].firstChangedLine);
    EXPECT_EQ("xa\n", folder.Read("one/a.c"));
    EXPECT_EQ("xb\n", folder.Read("one/b.cpp"));
}

} // namespace
