#include "BatchFormatter.h"

#include "FileNameCase.h"
#include "FileUtil.h"
#include "FormattableExtensions.h"
#include "PathParts.h"
#include "TextLines.h"
#include "TextModeFile.h"

#include <cstring>

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
    const std::string itemText = m_tree.FileText(item.project, item.file, IMetricsTree::NameColumn);
    if (m_settings.frontEnd == BatchSettings::FrontEnd::AddIn)
        return m_tree.FileData(item.project, item.file) + itemText;
    return m_settings.workspaceDirectory + DirectoryPart(m_tree.ProjectText(item.project, IMetricsTree::NameColumn)) +
           itemText;
}

std::string CBatchFormatter::WriteFailureText(const std::string& itemText) const
{
    const bool protectWording = m_settings.frontEnd == BatchSettings::FrontEnd::Standalone && !m_settings.fullFormat;
    const char* prefix =
        protectWording ? "Write Protect Error encount with file:\n\n" : "Write Error encount with file:\n\n";
    return prefix + itemText + "\n\nProceed with other files?";
}

BatchReport CBatchFormatter::BatchFormat()
{
    BatchReport report;
    m_progress.SetStatus("Initializing");
    for (std::optional<TargetItem> item = NextTargetItem(m_tree, std::nullopt); item;
         item = NextTargetItem(m_tree, item))
    {
        // Tested before each file: a cancel during a file takes effect after it.
        if (m_progress.IsCancelled())
        {
            report.cancelled = true;
            break;
        }
        report.files.push_back(FormatItem(*item));
        const BatchFileResult& result = report.files.back();
        if (result.outcome == BatchFileResult::Outcome::WriteFailed && !m_settings.checkOnly &&
            m_messages.Show(WriteFailureText(result.itemText), m_settings.caption, MessageStyle::YesNoQuestion) ==
                MessageAnswer::No)
        {
            report.stopped = true;
            break;
        }
    }
    return report;
}

BatchFileResult CBatchFormatter::FormatItem(const TargetItem& item)
{
    using Outcome = BatchFileResult::Outcome;
    BatchFileResult result{
        m_tree.FileText(item.project, item.file, IMetricsTree::NameColumn), FullPath(item), Outcome::Unchanged, {}};

    if (!IsFormattableExtension(LowerExtension(result.path)))
    {
        result.outcome = Outcome::NotFormattable;
        return result;
    }

    const std::string nativePath = ResolveFileNameCase(NativePath(result.path));
    std::string bytes;
    if (!ReadWholeFile(nativePath, bytes, result.error))
    {
        result.outcome = Outcome::Unreadable;
        return result;
    }
    m_progress.SetStatus("Formatting file: " + result.itemText);

    // The engine's text ends at a NUL; writing its result would cut the file.
    if (std::memchr(bytes.data(), '\0', bytes.size()))
    {
        result.outcome = Outcome::HoldsNul;
        result.error = "holds a NUL byte";
        return result;
    }

    const std::string text = CTextModeFile::FromFileBytes(bytes);
    const std::string formatted = m_format(text, m_progress);
    if (formatted.empty())
    {
        if (!text.empty())
        {
            result.outcome = Outcome::EngineFailed;
            result.error = "formatting failed";
        }
        return result;
    }
    if (formatted == text)
        return result;
    if (m_settings.checkOnly)
    {
        result.outcome = Outcome::WouldChange;
        result.firstChangedLine = FirstChangedLine(text, formatted);
        return result;
    }

    const std::string newBytes = CTextModeFile::ToFileBytes(formatted, CTextModeFile::WritesCrLf(bytes));
    result.outcome = ReplaceFileContents(nativePath, newBytes, result.error) ? Outcome::Written : Outcome::WriteFailed;
    return result;
}
