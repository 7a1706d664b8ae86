// Counts again the files a batch run rewrote, under any spelling of their paths, and their projects' totals.
#include "MetricsRecount.h"

#include "PathParts.h"

#include <algorithm>

namespace
{

// A path as Windows compares paths: separators alike, "." and ".." folded
// away, letters in one case.
std::string ComparablePath(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;)
    {
        const std::size_t end = path.find_first_of("\\/", start);
        const std::string part = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (part == ".." && !parts.empty() && parts.back() != "..")
            parts.pop_back();
        else if (part != "." && !(part.empty() && !parts.empty()))
            parts.push_back(part);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    std::string joined;
    for (const std::string& part : parts)
        joined += (joined.empty() ? "" : "\\") + part;
    std::transform(joined.begin(), joined.end(), joined.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return joined;
}

} // namespace

std::vector<std::size_t> RecountRewrittenFiles(MetricsTable& table, const std::string& workspaceDirectory,
                                               const BatchReport& report, const SourceCounters& counters)
{
    std::vector<std::string> rewritten;
    for (const BatchFileResult& file : report.files)
    {
        if (file.outcome == BatchFileResult::Outcome::Written)
            rewritten.push_back(ComparablePath(file.path));
    }
    std::sort(rewritten.begin(), rewritten.end());
    std::vector<std::size_t> rows;
    if (rewritten.empty())
        return rows;
    std::size_t project = 0;
    bool projectChanged = false;
    for (std::size_t row = 0; row <= table.Size(); ++row)
    {
        if (row == table.Size() || table.kinds[row] == RowKind::Project)
        {
            if (projectChanged)
            {
                table.AddUpTotals(project);
                rows.push_back(project);
            }
            project = row;
            projectChanged = false;
            continue;
        }
        // The file as the batch named it: the workspace's folder, the
        // project's folder as the workspace writes it, the file's value.
        const std::string directory = workspaceDirectory + DirectoryPart(table.names[project]);
        const std::string file = SourceFilePath(table.names[row]);
        if (!std::binary_search(rewritten.begin(), rewritten.end(), ComparablePath(directory + file)))
            continue;
        table.lineCounts[row] = counters.lines(directory, file);
        table.commentCounts[row] = counters.comments(directory, file);
        rows.push_back(row);
        projectChanged = true;
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}
