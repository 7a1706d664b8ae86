// The counted rows of a workspace or folder, with each project's totals added from its files' counts.
#include "MetricsReport.h"

const char* CountStatusName(CountStatus status)
{
    switch (status)
    {
    case CountStatus::Counted:
        return "counted";
    case CountStatus::NotCounted:
        return "not-counted";
    case CountStatus::Missing:
        return "missing";
    case CountStatus::Unreadable:
        return "unreadable";
    }
    return "";
}

MetricsReport BuildMetricsReport(const MetricsTable& table, const std::vector<SourceCount>& counts)
{
    MetricsReport report;
    std::size_t project = 0;
    std::size_t source = 0;
    for (std::size_t i = 0; i < table.Size(); ++i)
    {
        if (table.kinds[i] == RowKind::Project)
        {
            project = report.rows.size();
            report.rows.push_back({RowKind::Project, table.names[i], table.names[i], 0, 0, CountStatus::Counted});
            continue;
        }
        const CountStatus status = source < counts.size() ? counts[source++].status : CountStatus::Counted;
        const std::int64_t lines = table.lineCounts[i];
        const std::int64_t comments = table.commentCounts[i];
        report.rows.push_back(
            {RowKind::SourceFile, report.rows[project].name, table.names[i], lines, comments, status});
        MetricsReport::Row& totals = report.rows[project];
        totals.lines += lines > 0 ? lines : 0;
        totals.comments += comments > 0 ? comments : 0;
        report.totalLines += lines > 0 ? lines : 0;
        report.totalComments += comments > 0 ? comments : 0;
    }
    return report;
}
