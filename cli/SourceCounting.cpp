// Each source counted once for both its counts, with a warning for a file that is missing or unreadable.
#include "SourceCounting.h"

#include "CliCommand.h"
#include "FileNameCase.h"
#include "FileUtil.h"
#include "LineCounter.h"

#include <algorithm>
#include <cerrno>
#include <ostream>
#include <sys/stat.h>

SourceCounters CSourceCounting::Counters()
{
    return {
        [this](const std::string& directory, const std::string& fileName) { return Take(directory, fileName, true); },
        [this](const std::string& directory, const std::string& fileName) { return Take(directory, fileName, false); },
        [this](const std::string&) { m_counts.push_back(SourceCount()); }};
}

int CSourceCounting::Take(const std::string& directory, const std::string& fileName, bool lines)
{
    const SourceCount& count = m_secondPending ? m_counts.back() : Count(directory, fileName);
    m_secondPending = !m_secondPending;
    return lines ? count.lines : count.comments;
}

const SourceCount& CSourceCounting::Count(const std::string& directory, const std::string& fileName)
{
    SourceCount count;
    const std::string extension = LowerExtension(fileName);
    const bool also = std::find(m_alsoCounted.begin(), m_alsoCounted.end(), extension) != m_alsoCounted.end();
    const bool countsLines = also || CLineCounter::IsLineCounted(extension);
    const bool countsComments = also || CLineCounter::IsCommentCounted(extension);
    if (countsLines || countsComments)
    {
        const std::string path = ResolveFileNameCase(NativePath(directory + fileName));
        std::string bytes;
        struct stat info
        {
        };
        // Warnings name the file as the project does, the same on every system.
        if (stat(path.c_str(), &info) != 0 && errno == ENOENT)
        {
            count.status = CountStatus::Missing;
            m_err << kCliName << ": warning: " << directory + fileName << ": missing, counted as 0\n";
        }
        else if (!ReadWholeFile(path, bytes, count.cause))
        {
            count.status = CountStatus::Unreadable;
            m_err << kCliName << ": warning: " << directory + fileName << ": cannot be read (" << count.cause
                  << "), counted as 0\n";
        }
        else
        {
            count.status = CountStatus::Counted;
        }
        // A file that cannot be read counts 0, as the program shows it.
        count.lines = countsLines ? CLineCounter::CountLines(bytes.data(), bytes.size()) : -1;
        count.comments = countsComments ? CLineCounter::CountComments(bytes.data(), bytes.size()) : -1;
    }
    m_counts.push_back(count);
    return m_counts.back();
}
