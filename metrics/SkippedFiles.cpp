// The files a batch run skipped, with their causes, gathered into the one message shown at the end of the run.
#include "SkippedFiles.h"

namespace
{

using Outcome = BatchFileResult::Outcome;

std::string Cause(const BatchFileResult& file)
{
    return file.outcome == Outcome::Unreadable ? "cannot be read: " + file.error : file.error;
}

} // namespace

CSkippedFiles::CSkippedFiles(const BatchReport& report)
{
    for (const BatchFileResult& file : report.files)
    {
        if (IsSkipped(file))
            m_lines.push_back(file.itemText + ": " + Cause(file));
    }
}

bool CSkippedFiles::IsSkipped(const BatchFileResult& file)
{
    return file.outcome == Outcome::Unreadable || file.outcome == Outcome::HoldsNul ||
           file.outcome == Outcome::EngineFailed;
}

std::string CSkippedFiles::Message() const
{
    if (m_lines.empty())
        return std::string();
    std::string text = m_lines.size() == 1 ? "This file was skipped and left as it was:\n"
                                           : "These files were skipped and left as they were:\n";
    for (std::size_t i = 0; i < m_lines.size() && i < NamedAtMost; ++i)
        text += "\n" + m_lines[i];
    if (m_lines.size() > NamedAtMost)
        text += "\nand " + std::to_string(m_lines.size() - NamedAtMost) + " more";
    return text;
}

void CSkippedFiles::Report(IMessageSink& messages, const std::string& caption) const
{
    if (!m_lines.empty())
        messages.Show(Message(), caption, MessageStyle::OkWarning);
}
