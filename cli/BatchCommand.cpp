#include "BatchCommand.h"

#include "BatchFormatter.h"
#include "BatchHelp.h"
#include "BatchRequest.h"
#include "BatchSelection.h"
#include "CliCommand.h"
#include "CliFormatSettings.h"
#include "ConsoleBatchProgress.h"
#include "FormatCommandSets.h"
#include "FormatRequest.h"
#include "FileNameCase.h"
#include "FormattableExtensions.h"
#include "LineCounter.h"
#include "MetricsList.h"
#include "ProjectReader.h"
#include "SourceTextFormatter.h"

#include <ostream>

namespace
{

// The command line asks nothing: the failure is reported from the run's
// results and the run goes on.
class CAnswerYes : public IMessageSink
{
public:
    MessageAnswer Show(const std::string&, const std::string&, MessageStyle) override { return MessageAnswer::Yes; }
};

std::string WriteFailureCause(const std::string& cause)
{
    if (cause == "is read-only")
        return "cannot be written: read-only";
    return cause.compare(0, 6, "cannot") == 0 ? cause : "cannot be written: " + cause;
}

// The batch reads an empty result as a failure and keeps the file; it
// refuses a NUL byte itself and reports its own cause.
std::string FormatForBatch(const std::string& text, const FormatOptions& options, IProgressSink& progress)
{
    std::string result;
    std::string cause;
    return FormatNulFreeText(text, options, result, cause, &progress) ? result : std::string();
}

} // namespace

std::string WorkspaceRelativeName(const std::string& relativePath)
{
    std::string name;
    std::size_t start = 0;
    while (start <= relativePath.size())
    {
        std::size_t end = relativePath.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = relativePath.size();
        const std::string part = relativePath.substr(start, end - start);
        if (!part.empty() && part != ".")
            name += (name.empty() ? "" : "\\") + part;
        start = end + 1;
    }
    return name;
}

int RunBatchCommand(const std::vector<std::string>& args, CliStreams& io)
{
    BatchRequest request;
    std::string error;
    if (!ParseBatchRequest(args, request, error))
    {
        io.err << kCliName << ": batch: " << error << "\nTry '" << kCliName << " batch --help'.\n";
        return kExitFailure;
    }
    if (request.help)
    {
        WriteBatchHelp(io.out);
        return kExitOk;
    }

    FormatRequest settingsRequest;
    settingsRequest.hasSettingsPath = request.hasSettingsPath;
    settingsRequest.settingsPath = request.settingsPath;
    settingsRequest.command = request.command;
    FormatOptions options;
    if (!LoadRequestedFormatOptions(settingsRequest, options, error))
    {
        io.err << kCliName << ": " << error << "\n";
        return kExitFailure;
    }

    MetricsTable table;
    CProjectReader reader(table, CProjectReader::Flavour::Standalone,
                          {CLineCounter::GetLineCount, CLineCounter::GetCommentCount});
    if (!reader.ReadWorkspace(request.workspace, error))
    {
        io.err << kCliName << ": " << error << "\n";
        return kExitFailure;
    }
    CMetricsList list;
    list.Fill(table);
    if (!SelectRequested(request, list, error))
    {
        io.err << kCliName << ": batch: " << error << "\n";
        return kExitFailure;
    }

    BatchSettings settings;
    settings.workspaceDirectory = reader.WorkspaceDirectory();
    settings.fullFormat = FindFormatCommandSet(request.command)->usesStoredOptions;
    settings.checkOnly = request.check;
    CAnswerYes answers;
    BatchReport report;
    std::size_t formattable = 0;
    {
        CConsoleBatchProgress progress(io.err);
        CBatchFormatter formatter(
            list, settings,
            [&options](const std::string& text, IProgressSink& sink) { return FormatForBatch(text, options, sink); },
            progress, answers);
        for (auto item = CBatchFormatter::NextTargetItem(list, std::nullopt); item;
             item = CBatchFormatter::NextTargetItem(list, item))
        {
            if (IsFormattableExtension(LowerExtension(formatter.FullPath(*item))))
                ++formattable;
        }
        progress.SetTotal(formattable);
        report = formatter.BatchFormat();
    }

    using Outcome = BatchFileResult::Outcome;
    std::size_t written = 0;
    std::size_t changes = 0;
    std::size_t failures = 0;
    for (const BatchFileResult& file : report.files)
    {
        const std::string shown = WorkspaceRelativeName(file.path.substr(settings.workspaceDirectory.size()));
        switch (file.outcome)
        {
        case Outcome::Written:
            ++written;
            break;
        case Outcome::WouldChange:
            ++changes;
            io.out << shown << "\n";
            break;
        case Outcome::Unreadable:
            io.err << kCliName << ": " << shown << ": skipped: " << file.error << "\n";
            break;
        case Outcome::HoldsNul:
        case Outcome::EngineFailed:
            ++failures;
            io.err << kCliName << ": " << shown << ": " << file.error << "\n";
            break;
        case Outcome::WriteFailed:
            ++failures;
            io.err << kCliName << ": " << shown << ": " << WriteFailureCause(file.error) << "\n";
            break;
        case Outcome::Unchanged:
        case Outcome::NotFormattable:
            break;
        }
    }
    if (!request.check)
        io.err << kCliName << ": " << written << " of " << formattable << " source files rewritten\n";
    if (failures > 0)
        return kExitFailure;
    return changes > 0 ? kExitChanges : kExitOk;
}
