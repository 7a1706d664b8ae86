// The one status-bar line that tells what a batch run changed and what it could not write.
#include "BatchSummary.h"

#include <algorithm>

namespace
{

using Outcome = BatchFileResult::Outcome;

std::string Files(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " file" : " files");
}

bool IsFormatted(const BatchFileResult& file)
{
    return file.outcome != Outcome::NotFormattable && file.outcome != Outcome::Outside;
}

bool WasNotWritten(const BatchFileResult& file)
{
    switch (file.outcome)
    {
    case Outcome::Unreadable:
    case Outcome::HoldsNul:
    case Outcome::EngineFailed:
    case Outcome::WriteFailed:
        return true;
    default:
        return false;
    }
}

} // namespace

std::string BatchSummary(const std::string& command, const BatchReport& report)
{
    const auto& files = report.files;
    const auto count = [&files](bool (*which)(const BatchFileResult&))
    { return static_cast<std::size_t>(std::count_if(files.begin(), files.end(), which)); };
    const std::size_t formatted = count(IsFormatted);
    const std::size_t changed = count([](const BatchFileResult& file) { return file.outcome == Outcome::Written; });
    const std::size_t notWritten = count(WasNotWritten);

    std::string summary = command + ": ";
    if (report.cancelled || report.stopped)
        summary += std::string(report.cancelled ? "cancelled" : "stopped") + " after " + Files(formatted) + ", " +
                   std::to_string(changed) + " changed";
    else
        summary += std::to_string(changed) + " of " + Files(formatted) + " changed";
    if (notWritten)
        summary += ", " + Files(notWritten) + " could not be written";
    return summary;
}
