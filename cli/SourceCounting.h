#pragma once

#include "MetricsReport.h"
#include "ProjectReader.h"

#include <iosfwd>
#include <string>
#include <vector>

// Counts each source file once for both of its counts, and keeps what became
// of it, warning on stderr of each file that is missing or cannot be read.
class CSourceCounting
{
public:
    // alsoCounted: extensions counted for lines and comments besides the
    // counters' own (those a folder was asked for with --extensions).
    explicit CSourceCounting(std::ostream& err, std::vector<std::string> alsoCounted = {})
        : m_err(err), m_alsoCounted(std::move(alsoCounted))
    {
    }
    CSourceCounting(const CSourceCounting&) = delete;
    CSourceCounting& operator=(const CSourceCounting&) = delete;

    // The counters for a CProjectReader; they must outlive none of this.
    SourceCounters Counters();

    // Counts directory + fileName (joined as they are) and appends it.
    const SourceCount& Count(const std::string& directory, const std::string& fileName);

    // One entry per source row, in the order counted.
    const std::vector<SourceCount>& Counts() const { return m_counts; }

private:
    // The reader asks for the lines and the comments of a row, in either
    // order: the first of the two counts the file, the second takes that.
    int Take(const std::string& directory, const std::string& fileName, bool lines);

    std::ostream& m_err;
    std::vector<std::string> m_alsoCounted;
    std::vector<SourceCount> m_counts;
    bool m_secondPending = false;
};
