// The batch formatter over a metrics list: which files it formats, what it
// writes, and the questions it asks when a write fails.
#include "BatchFormatter.h"
#include "MetricsList.h"
#include "ScratchFolder.h"
#include "ScriptedBatch.h"

#include <gtest/gtest.h>

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

class BatchRun : public ::testing::Test
{
protected:
    // Projects and files named the way the reader names them: project paths
    // relative to the workspace, file names relative to the project.
    void SetUp() override
    {
        table.Append(RowKind::Project, ".\\one\\one.dsp", 0, 0, "");
        table.Append(RowKind::SourceFile, ".\\a.c", 0, 0, "");
        table.Append(RowKind::SourceFile, ".\\b.cpp", 0, 0, "");
        table.Append(RowKind::Project, "two.dsp", 0, 0, "");
        table.Append(RowKind::SourceFile, "sub\\c.h", 0, 0, "");
        // Selected with the rest, a project without files yields nothing.
        table.Append(RowKind::Project, "empty.dsp", 0, 0, "");
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
            ++formats;
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

    CMetricsList& List()
    {
        if (list.ProjectCount() == 0)
            list.Fill(table);
        return list;
    }
    CBatchFormatter Formatter() { return CBatchFormatter(List(), settings, Step(), script, script); }
    BatchReport Run() { return Formatter().BatchFormat(); }

    ScratchFolder folder;
    MetricsTable table;
    CMetricsList list;
    BatchSettings settings;
    ScriptedBatch script;
    int formats = 0;
    std::vector<std::string> formatted;
};

// A report's files and outcomes, in order.
using Results = std::vector<std::pair<std::string, Outcome>>;
Results ResultsOf(const BatchReport& report)
{
    Results results;
    for (const BatchFileResult& file : report.files)
        results.emplace_back(file.itemText, file.outcome);
    return results;
}

TEST_F(BatchRun, SelectedFilesAndProjectsEachOnceInTreeOrder)
{
    EXPECT_TRUE(Run().files.empty());
    EXPECT_EQ(std::vector<std::string>{"Initializing"}, script.statuses);
    script.statuses.clear();
    List().SelectProject(1);
    List().SelectFile(1, 0);
    List().SelectFile(0, 1);
    EXPECT_EQ((Results{{".\\b.cpp", Outcome::Written}, {"sub\\c.h", Outcome::Written}}), ResultsOf(Run()));
    EXPECT_EQ("xa\n", folder.Read("one/a.c"));
    EXPECT_EQ(Rewritten("yb\n"), folder.Read("one/b.cpp"));
    // The project's folder is the part of its name before the last backslash.
    EXPECT_EQ(Rewritten("yc\n"), folder.Read("sub/c.h"));
    EXPECT_EQ((std::vector<std::string>{"Initializing", "Formatting file: .\\b.cpp", "Formatting file: sub\\c.h"}),
              script.statuses);
    EXPECT_EQ((std::vector<int>{50, 50}), script.percents);
}

TEST_F(BatchRun, OnlyFormattableExtensionsInAnyCase)
{
    table.Append(RowKind::Project, "p.dsp", 0, 0, "");
    Results expected;
    // A value in double quotes names the file without them; one quote is
    // part of the name (and Windows names cannot hold quotes).
    for (const char* name : {"Main.CPP", "x.hpp", "x.cxx", "x.rc", "\"q.c\"", "r.c\"", "X.INL", "Makefile"})
    {
        table.Append(RowKind::SourceFile, name, 0, 0, "");
        if (name[0] == '"')
            folder.Write("q.c", "x\n");
        else if (std::string(name).find('"') == std::string::npos)
            folder.Write(name, "x\n");
        const bool formattable = name == std::string("Main.CPP") || name == std::string("X.INL") || name[0] == '"';
        expected.emplace_back(name, formattable ? Outcome::Written : Outcome::NotFormattable);
    }
    List().SelectProject(3);
    EXPECT_EQ(expected, ResultsOf(Run()));
    EXPECT_EQ(3, formats);
    EXPECT_EQ(Rewritten("y\n"), folder.Read("q.c"));
}

TEST_F(BatchRun, FullPathsAndWriteFailureQuestionPerFrontEndAndCommand)
{
    table.Append(RowKind::Project, "one.dsp", 0, 0, "");
    table.Append(RowKind::SourceFile, ".\\a.c", 0, 0, "C:\\work\\one\\");
    table.Append(RowKind::SourceFile, "\"..\\my dir\\d.c\"", 0, 0, "C:\\work\\one\\");
    const std::string tail = " encount with file:\n\nmy.c\n\nProceed with other files?";
    EXPECT_EQ(folder.Directory() + ".\\one\\.\\b.cpp", Formatter().FullPath(TargetItem{0, 1}));
    EXPECT_EQ(folder.Directory() + "sub\\c.h", Formatter().FullPath(TargetItem{1, 0}));
    EXPECT_EQ(folder.Directory() + "..\\my dir\\d.c", Formatter().FullPath(TargetItem{3, 1}));
    EXPECT_EQ("Write Protect Error" + tail, Formatter().WriteFailureText("my.c"));
    settings.fullFormat = true;
    EXPECT_EQ("Write Error" + tail, Formatter().WriteFailureText("my.c"));
    settings.fullFormat = false;
    settings.frontEnd = FrontEnd::AddIn;
    EXPECT_EQ("C:\\work\\one\\.\\a.c", Formatter().FullPath(TargetItem{3, 0}));
    EXPECT_EQ("C:\\work\\one\\..\\my dir\\d.c", Formatter().FullPath(TargetItem{3, 1}));
    EXPECT_EQ("Write Error" + tail, Formatter().WriteFailureText("my.c"));
}

TEST_F(BatchRun, ReadOnlyFileAsksYesGoesOnAndNoLeavesTheRestUnvisited)
{
    folder.MakeReadOnly("one/a.c");
    folder.MakeReadOnly("one/b.cpp");
    List().SelectAll();
    script.answers = {MessageAnswer::Yes, MessageAnswer::No};
    const BatchReport report = Run();
    const auto question = [](const std::string& name)
    { return "Write Protect Error encount with file:\n\n" + name + "\n\nProceed with other files?"; };
    EXPECT_EQ((std::vector<std::string>{question(".\\a.c"), question(".\\b.cpp")}), script.texts);
    EXPECT_EQ("xa\nxb\nxc\n", folder.Read("one/a.c") + folder.Read("one/b.cpp") + folder.Read("sub/c.h"));
    EXPECT_EQ((Results{{".\\a.c", Outcome::WriteFailed}, {".\\b.cpp", Outcome::WriteFailed}}), ResultsOf(report));
    EXPECT_FALSE(report.files[0].error.empty());
    EXPECT_TRUE(report.stopped);
    EXPECT_EQ(2, formats);
}

TEST_F(BatchRun, LineEndsAreKept)
{
    folder.Write("one/a.c", "xa\r\nb\r\n");
    folder.Write("one/b.cpp", "xb\nc\n");
    List().SelectProject(0);
    Run();
    // The engine sees bare line feeds; a selected project stands for all its files.
    EXPECT_EQ((std::vector<std::string>{"xa\nb\n", "xb\nc\n"}), formatted);
    EXPECT_EQ("ya\r\nb\r\n" + Rewritten("yb\nc\n"), folder.Read("one/a.c") + folder.Read("one/b.cpp"));
}

TEST_F(BatchRun, FilesThatMustNotBeRewrittenAreLeftAlone)
{
    const std::string withNul = std::string("xa\n") + '\0' + "x\n";
    folder.Write("one/b.cpp", "no change\n");
    folder.Write("sub/c.h", "x FAIL\n");
    // Unchanged results are never written, so a read-only file raises no question.
    folder.MakeReadOnly("one/b.cpp");
    std::filesystem::remove(folder.PathOf("one/a.c"));
    table.Append(RowKind::Project, "three.dsp", 0, 0, "");
    table.Append(RowKind::SourceFile, "zero.c", 0, 0, "");
    table.Append(RowKind::SourceFile, "empty.c", 0, 0, ""); // formats to nothing, and that is no failure
    folder.Write("zero.c", withNul);
    folder.Write("empty.c", "");
    List().SelectAll();
    EXPECT_EQ((Results{{".\\a.c", Outcome::Unreadable},
                       {".\\b.cpp", Outcome::Unchanged},
                       {"sub\\c.h", Outcome::EngineFailed},
                       {"zero.c", Outcome::HoldsNul},
                       {"empty.c", Outcome::Unchanged}}),
              ResultsOf(Run()));
    EXPECT_EQ("x FAIL\n" + withNul, folder.Read("sub/c.h") + folder.Read("zero.c"));
    EXPECT_TRUE(script.texts.empty());
}

} // namespace
