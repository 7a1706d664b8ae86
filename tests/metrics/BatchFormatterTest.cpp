#include "BatchFormatter.h"
#include "MetricsList.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <deque>

namespace
{

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
        if (answers.empty())
        {
            ADD_FAILURE() << "unexpected question: " << text;
            return MessageAnswer::No;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<MessageAnswer> answers;
    std::vector<std::string> texts;
};

// Builds projects and files the way the reader names them: project paths
// relative to the workspace, file names relative to the project.
class Workspace
{
public:
    void AddProject(const std::string& name) { table.Append(RowKind::Project, name, 0, 0, ""); }
    void AddFile(const std::string& name, const std::string& data = "")
    {
        table.Append(RowKind::SourceFile, name, 0, 0, data);
    }
    CMetricsList& List()
    {
        if (!filled)
            list.Fill(table);
        filled = true;
        return list;
    }

    MetricsTable table;
    CMetricsList list;
    bool filled = false;
};

class BatchRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        workspace.AddProject(".\\one\\one.dsp");
        workspace.AddFile(".\\a.c");
        workspace.AddFile(".\\b.cpp");
        workspace.AddProject("two.dsp");
        workspace.AddFile("sub\\c.h");
        folder.Write("one/a.c", "xa\n");
        folder.Write("one/b.cpp", "xb\n");
        folder.Write("sub/c.h", "xc\n");
        settings.workspaceDirectory = folder.Directory();
    }

    // Formats by turning each x into y; "FAIL" makes it fail like the engine.
    FormatStep Step()
    {
        return [this](const std::string& text, IProgressSink& sink) {
            ++progress.formats;
            formatted.push_back(text);
            sink.OnProgress(50);
            if (text.find("FAIL") != std::string::npos)
                return std::string();
            std::string result = text;
            for (char& c : result)
            {
                if (c == 'x')
                    c = 'y';
            }
            return result;
        };
    }

    BatchReport Run()
    {
        CBatchFormatter formatter(workspace.List(), settings, Step(), progress, messages);
        return formatter.BatchFormat();
    }

    TempFolder folder;
    Workspace workspace;
    BatchSettings settings;
    RecordingProgress progress;
    ScriptedMessages messages;
    std::vector<std::string> formatted;
};

// A file rewritten from an LF-only original: text mode on Windows writes
// CR LF, elsewhere the file keeps its own line ends.
std::string Rewritten(const std::string& text)
{
#ifdef _WIN32
    std::string bytes;
    for (const char c : text)
    {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
#else
    return text;
#endif
}

std::vector<std::string> ItemTexts(const BatchReport& report)
{
    std::vector<std::string> texts;
    for (const BatchFileResult& file : report.files)
        texts.push_back(file.itemText);
    return texts;
}

TEST_F(BatchRun, NothingSelectedTouchesNothing)
{
    const BatchReport report = Run();
    EXPECT_TRUE(report.files.empty());
    EXPECT_EQ(std::vector<std::string>{"Initializing"}, progress.statuses);
    EXPECT_EQ("xa\n", folder.Read("one/a.c"));
}

TEST_F(BatchRun, SelectedProjectStandsForItsFilesEachOnce)
{
    workspace.List().SelectProject(0);
    workspace.List().SelectFile(0, 1);
    workspace.List().SelectFile(1, 0);
    const BatchReport report = Run();
    EXPECT_EQ((std::vector<std::string>{".\\a.c", ".\\b.cpp", "sub\\c.h"}), ItemTexts(report));
    EXPECT_EQ(Rewritten("ya\n"), folder.Read("one/a.c"));
    EXPECT_EQ(Rewritten("yb\n"), folder.Read("one/b.cpp"));
    // The project's folder is the part of its name before the last backslash.
    EXPECT_EQ(Rewritten("yc\n"), folder.Read("sub/c.h"));
    EXPECT_EQ((std::vector<std::string>{"Initializing", "Formatting file: .\\a.c", "Formatting file: .\\b.cpp",
                                        "Formatting file: sub\\c.h"}),
              progress.statuses);
    EXPECT_EQ((std::vector<int>{50, 50, 50}), progress.percents);
}

TEST_F(BatchRun, NextTargetItemFollowsTreeOrder)
{
    CMetricsList& list = workspace.List();
    EXPECT_FALSE(CBatchFormatter::NextTargetItem(list, std::nullopt));
    list.SelectFile(0, 1);
    list.SelectFile(1, 0);
    auto item = CBatchFormatter::NextTargetItem(list, std::nullopt);
    ASSERT_TRUE(item);
    EXPECT_EQ((TargetItem{0, 1}), *item);
    item = CBatchFormatter::NextTargetItem(list, item);
    ASSERT_TRUE(item);
    EXPECT_EQ((TargetItem{1, 0}), *item);
    EXPECT_FALSE(CBatchFormatter::NextTargetItem(list, item));
    // A selected project without files yields nothing of its own.
    Workspace empty;
    empty.AddProject("p.dsp");
    empty.List().SelectAll();
    EXPECT_FALSE(CBatchFormatter::NextTargetItem(empty.List(), std::nullopt));
}

TEST_F(BatchRun, OnlyFormattableExtensionsInAnyCase)
{
    Workspace names;
    names.AddProject("p.dsp");
    for (const char* name : {"Main.CPP", "x.hpp", "x.cxx", "x.rc", "\"q.c\"", "X.INL", "Makefile"})
    {
        names.AddFile(name);
        // Windows file names cannot hold quotes; the name alone must stop it.
        if (std::string(name).find('"') == std::string::npos)
            folder.Write(name, "x\n");
    }
    names.List().SelectAll();
    CBatchFormatter formatter(names.List(), settings, Step(), progress, messages);
    const BatchReport report = formatter.BatchFormat();
    ASSERT_EQ(7u, report.files.size());
    EXPECT_EQ(Rewritten("y\n"), folder.Read("Main.CPP"));
    EXPECT_EQ(Rewritten("y\n"), folder.Read("X.INL"));
    for (const char* name : {"x.hpp", "x.cxx", "x.rc", "Makefile"})
        EXPECT_EQ("x\n", folder.Read(name)) << name;
    EXPECT_EQ(2, progress.formats);
    EXPECT_EQ(BatchFileResult::Outcome::NotFormattable, report.files[1].outcome);
    EXPECT_EQ(BatchFileResult::Outcome::NotFormattable, report.files[4].outcome);
}

TEST_F(BatchRun, FullPathsOfBothFrontEnds)
{
    CMetricsList& list = workspace.List();
    CBatchFormatter standalone(list, settings, Step(), progress, messages);
    EXPECT_EQ(folder.Directory() + ".\\one\\.\\b.cpp", standalone.FullPath(TargetItem{0, 1}));
    EXPECT_EQ(folder.Directory() + "sub\\c.h", standalone.FullPath(TargetItem{1, 0}));

    Workspace addIn;
    addIn.AddProject("one.dsp");
    addIn.AddFile(".\\a.c", "C:\\work\\one\\");
    BatchSettings addInSettings;
    addInSettings.frontEnd = BatchSettings::FrontEnd::AddIn;
    CBatchFormatter formatter(addIn.List(), addInSettings, Step(), progress, messages);
    EXPECT_EQ("C:\\work\\one\\.\\a.c", formatter.FullPath(TargetItem{0, 0}));
}

TEST_F(BatchRun, WriteFailureQuestionWordingPerFrontEndAndCommand)
{
    CMetricsList& list = workspace.List();
    const std::string tail = "my.c\n\nProceed with other files?";
    EXPECT_EQ("Write Protect Error encount with file:\n\n" + tail,
              CBatchFormatter(list, settings, Step(), progress, messages).WriteFailureText("my.c"));
    settings.fullFormat = true;
    EXPECT_EQ("Write Error encount with file:\n\n" + tail,
              CBatchFormatter(list, settings, Step(), progress, messages).WriteFailureText("my.c"));
    settings.fullFormat = false;
    settings.frontEnd = BatchSettings::FrontEnd::AddIn;
    EXPECT_EQ("Write Error encount with file:\n\n" + tail,
              CBatchFormatter(list, settings, Step(), progress, messages).WriteFailureText("my.c"));
}

void MakeReadOnly(const std::string& path)
{
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
}

TEST_F(BatchRun, ReadOnlyFileAsksAndYesGoesOn)
{
    MakeReadOnly(folder.Path("one/a.c"));
    workspace.List().SelectAll();
    messages.answers = {MessageAnswer::Yes};
    const BatchReport report = Run();
    ASSERT_EQ(1u, messages.texts.size());
    EXPECT_EQ("Write Protect Error encount with file:\n\n.\\a.c\n\nProceed with other files?", messages.texts[0]);
    EXPECT_EQ("xa\n", folder.Read("one/a.c"));
    EXPECT_EQ(Rewritten("yb\n"), folder.Read("one/b.cpp"));
    EXPECT_EQ(Rewritten("yc\n"), folder.Read("sub/c.h"));
    EXPECT_EQ(BatchFileResult::Outcome::WriteFailed, report.files[0].outcome);
    EXPECT_FALSE(report.files[0].error.empty());
    EXPECT_FALSE(report.stopped);
}

TEST_F(BatchRun, NoOnTheFirstFailureLeavesTheRestUnvisited)
{
    MakeReadOnly(folder.Path("one/a.c"));
    MakeReadOnly(folder.Path("one/b.cpp"));
    MakeReadOnly(folder.Path("sub/c.h"));
    workspace.List().SelectAll();
    messages.answers = {MessageAnswer::No};
    const BatchReport report = Run();
    EXPECT_TRUE(report.stopped);
    EXPECT_EQ(1u, report.files.size());
    EXPECT_EQ(1u, messages.texts.size());
    EXPECT_EQ(1, progress.formats);
}

TEST_F(BatchRun, CancelTakesEffectAfterTheCurrentFile)
{
    workspace.List().SelectAll();
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
    workspace.List().SelectProject(0);
    Run();
    // The engine sees bare line feeds.
    EXPECT_EQ("xa\nb\n", formatted[0]);
    EXPECT_EQ("ya\r\nb\r\n", folder.Read("one/a.c"));
#ifdef _WIN32
    EXPECT_EQ("yb\r\nc\r\n", folder.Read("one/b.cpp"));
#else
    EXPECT_EQ("yb\nc\n", folder.Read("one/b.cpp"));
#endif
}

TEST_F(BatchRun, FilesThatMustNotBeRewrittenAreLeftAlone)
{
    const std::string withNul = std::string("xa\n") + '\0' + "x\n";
    folder.Write("one/a.c", withNul);
    folder.Write("one/b.cpp", "no change\n");
    folder.Write("sub/c.h", "x FAIL\n");
    // Unchanged results are never written, so a read-only file raises no question.
    MakeReadOnly(folder.Path("one/b.cpp"));
    std::filesystem::remove(folder.Path("one/a.c"));
    workspace.AddProject("three.dsp");
    workspace.AddFile("zero.c");
    folder.Write("zero.c", withNul);
    workspace.List().SelectAll();
    const BatchReport report = Run();

    using Outcome = BatchFileResult::Outcome;
    ASSERT_EQ(4u, report.files.size());
    EXPECT_EQ(Outcome::Unreadable, report.files[0].outcome);
    EXPECT_EQ(Outcome::Unchanged, report.files[1].outcome);
    EXPECT_EQ(Outcome::EngineFailed, report.files[2].outcome);
    EXPECT_EQ(Outcome::HoldsNul, report.files[3].outcome);
    EXPECT_EQ("x FAIL\n", folder.Read("sub/c.h"));
    EXPECT_EQ(withNul, folder.Read("zero.c"));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(BatchRun, CheckOnlyWritesAndAsksNothing)
{
    MakeReadOnly(folder.Path("one/a.c"));
    folder.Write("sub/c.h", "same\n");
    settings.checkOnly = true;
    workspace.List().SelectAll();
    const BatchReport report = Run();
    using Outcome = BatchFileResult::Outcome;
    ASSERT_EQ(3u, report.files.size());
    EXPECT_EQ(Outcome::WouldChange, report.files[0].outcome);
    EXPECT_EQ(Outcome::WouldChange, report.files[1].outcome);
    EXPECT_EQ(Outcome::Unchanged, report.files[2].outcome);
    EXPECT_EQ("xa\n", folder.Read("one/a.c"));
    EXPECT_EQ("xb\n", folder.Read("one/b.cpp"));
}

} // namespace
