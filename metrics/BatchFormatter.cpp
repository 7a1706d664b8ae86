// The batch run over the selected sources: each file checked, read, formatted and rewritten in tree order.
#include "BatchFormatter.h"

#include "FileNameCase.h"
#include "FileUtil.h"
#include "FormattableExtensions.h"
#include "OrderedJobs.h"
#include "PathParts.h"
#include "TextLines.h"
#include "TextModeFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace
{

// A worker's engine reports to nobody: only the calling thread shows progress.
class CNoProgress : public IProgressSink
{
public:
    void OnProgress(int) override {}
};

// Whether path's real path lies outside the folder's tree. When it is
// inside, path becomes the real path, so the file read and rewritten is the
// one that was checked. A path that cannot be resolved (a missing file) is
// left for the read to report.
bool IsOutside(std::string& path, const std::string& folder)
{
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(path, error);
    if (error)
        return false;
    const std::filesystem::path tree(folder);
    if (std::mismatch(tree.begin(), tree.end(), real.begin(), real.end()).first != tree.end())
        return true;
    path = real.string();
    return false;
}

} // namespace

CBatchFormatter::CBatchFormatter(const IMetricsTree& tree, BatchSettings settings, FormatStep format,
                                 IBatchProgress& progress, IMessageSink& messages)
    : m_tree(tree), m_settings(std::move(settings)), m_format(std::move(format)), m_progress(progress),
      m_messages(messages)
{
}

// Tree order from the item after previous: a file qualifies when it or its
// project is selected; project items themselves are never processed.
std::optional<TargetItem> CBatchFormatter::NextTargetItem(const IMetricsTree& tree,
                                                          const std::optional<TargetItem>& previous)
{
    std::size_t project = previous ? previous->project : 0;
    std::size_t file = previous ? previous->file + 1 : 0;
    for (; project < tree.ProjectCount(); ++project, file = 0)
    {
        const bool projectSelected = tree.IsProjectSelected(project);
        for (; file < tree.FileCount(project); ++file)
        {
            if (projectSelected || tree.IsFileSelected(project, file))
                return TargetItem{project, file};
        }
    }
    return std::nullopt;
}

std::string CBatchFormatter::FullPath(const TargetItem& item) const
{
    const std::string file = SourceFilePath(m_tree.FileText(item.project, item.file, IMetricsTree::NameColumn));
    if (m_settings.frontEnd == FrontEnd::AddIn)
        return m_tree.FileData(item.project, item.file) + file;
    return m_settings.workspaceDirectory + DirectoryPart(m_tree.ProjectText(item.project, IMetricsTree::NameColumn)) +
           file;
}

std::string CBatchFormatter::WriteFailureText(const std::string& itemText) const
{
    const bool protectWording = m_settings.frontEnd == FrontEnd::Standalone && !m_settings.fullFormat;
    const char* prefix =
        protectWording ? "Write Protect Error encount with file:\n\n" : "Write Error encount with file:\n\n";
    return prefix + itemText + "\n\nProceed with other files?";
}

BatchReport CBatchFormatter::BatchFormat()
{
    BatchReport report;
    m_progress.SetStatus("Initializing");
    if (m_settings.jobs > 1)
        FormatAhead(report);
    else
        FormatInTurn(report);
    return report;
}

BatchFileResult CBatchFormatter::Named(const TargetItem& item) const
{
    return {m_tree.FileText(item.project, item.file, IMetricsTree::NameColumn),
            FullPath(item),
            BatchFileResult::Outcome::Unchanged,
            {}};
}

bool CBatchFormatter::Proceeds(const BatchFileResult& result, BatchReport& report) const
{
    if (result.outcome == BatchFileResult::Outcome::WriteFailed && !m_settings.checkOnly &&
        m_messages.Show(WriteFailureText(result.itemText), m_settings.caption, MessageStyle::YesNoQuestion) ==
            MessageAnswer::No)
    {
        report.stopped = true;
        return false;
    }
    return true;
}

void CBatchFormatter::FormatInTurn(BatchReport& report)
{
    for (std::optional<TargetItem> item = NextTargetItem(m_tree, std::nullopt); item;
         item = NextTargetItem(m_tree, item))
    {
        // Tested before each file: a cancel during a file takes effect after it.
        if (m_progress.IsCancelled())
        {
            report.cancelled = true;
            return;
        }
        report.files.push_back(FinishItem(PrepareItem(Named(*item), &m_progress)));
        if (!Proceeds(report.files.back(), report))
            return;
    }
}

// The files are read and formatted on worker threads, and their new bytes
// written beside them; each is put in its file's place in its turn here,
// after the answer about the one before, so a cancel or a No leaves every
// later file untouched, as in a run of one job.
void CBatchFormatter::FormatAhead(BatchReport& report)
{
    std::vector<BatchFileResult> items;
    for (std::optional<TargetItem> item = NextTargetItem(m_tree, std::nullopt); item;
         item = NextTargetItem(m_tree, item))
        items.push_back(Named(*item));
    RunOrderedJobs<PreparedItem>(
        items.size(), m_settings.jobs, [&](std::size_t index) { return PrepareItem(items[index], nullptr); },
        [&](std::size_t, PreparedItem& prepared)
        {
            if (m_progress.IsCancelled())
            {
                report.cancelled = true;
                return false;
            }
            if (prepared.announced)
                m_progress.FileStarted(prepared.result.itemText);
            report.files.push_back(FinishItem(std::move(prepared)));
            return Proceeds(report.files.back(), report);
        });
}

CBatchFormatter::PreparedItem CBatchFormatter::PrepareItem(BatchFileResult result, IBatchProgress* progress) const
{
    using Outcome = BatchFileResult::Outcome;
    PreparedItem prepared;
    prepared.result = std::move(result);
    BatchFileResult& file = prepared.result;

    if (!IsFormattableExtension(LowerExtension(file.path)))
    {
        file.outcome = Outcome::NotFormattable;
        return prepared;
    }

    prepared.nativePath = ResolveFileNameCase(NativePath(file.path));
    if (!m_settings.within.empty() && IsOutside(prepared.nativePath, m_settings.within))
    {
        file.outcome = Outcome::Outside;
        return prepared;
    }
    std::string bytes;
    if (!ReadWholeFile(prepared.nativePath, bytes, file.error))
    {
        file.outcome = Outcome::Unreadable;
        return prepared;
    }
    prepared.announced = true;
    if (progress)
        progress->FileStarted(file.itemText);

    // The engine's text ends at a NUL; writing its result would cut the file.
    if (std::memchr(bytes.data(), '\0', bytes.size()))
    {
        file.outcome = Outcome::HoldsNul;
        file.error = "holds a NUL byte";
        return prepared;
    }

    const std::string text = CTextModeFile::FromFileBytes(bytes);
    CNoProgress noProgress;
    const std::string formatted = m_format(text, progress ? *progress : static_cast<IProgressSink&>(noProgress));
    if (formatted.empty())
    {
        if (!text.empty())
        {
            file.outcome = Outcome::EngineFailed;
            file.error = "formatting failed";
        }
        return prepared;
    }
    if (formatted == text)
        return prepared;
    if (m_settings.checkOnly)
    {
        file.outcome = Outcome::WouldChange;
        file.firstChangedLine = FirstChangedLine(text, formatted);
        return prepared;
    }
    prepared.rewrite = true;
    prepared.ready = prepared.replacement.Prepare(
        prepared.nativePath, CTextModeFile::ToFileBytes(formatted, CTextModeFile::WritesCrLf(bytes)), file.error);
    return prepared;
}

BatchFileResult CBatchFormatter::FinishItem(PreparedItem prepared) const
{
    BatchFileResult& file = prepared.result;
    if (prepared.rewrite)
        file.outcome = prepared.ready && prepared.replacement.Commit(file.error)
                           ? BatchFileResult::Outcome::Written
                           : BatchFileResult::Outcome::WriteFailed;
    return std::move(file);
}
