#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <string>
#include <vector>

enum class RowKind : unsigned
{
    Project = 1,
    SourceFile = 2
};

// The projects and source files of a workspace with their counts: parallel
// arrays appended in step, row i being entry i of each. Every SourceFile row
// follows the Project row it belongs to; a Project row's counts are its
// totals and never negative. A negative file count means "not countable".
struct MetricsTable
{
    std::vector<RowKind> kinds;
    std::vector<std::string> names;
    std::vector<int> lineCounts;
    std::vector<int> commentCounts;
    // Add-in only: a project's full path; for a file, its project's folder.
    std::vector<std::string> directories;

    std::size_t Size() const { return kinds.size(); }

    std::size_t Append(RowKind kind, const std::string& name, int lines, int comments, const std::string& directory)
    {
        kinds.push_back(kind);
        names.push_back(name);
        lineCounts.push_back(lines);
        commentCounts.push_back(comments);
        directories.push_back(directory);
        return kinds.size() - 1;
    }

    // Sets a project row's totals to the sum of its files' counts that are
    // not negative, added in 64 bits; a total beyond an int shows as its
    // largest value rather than wrapping to a negative one.
    void AddUpTotals(std::size_t projectRow)
    {
        long long lines = 0;
        long long comments = 0;
        for (std::size_t i = projectRow + 1; i < Size() && kinds[i] == RowKind::SourceFile; ++i)
        {
            lines += std::max(lineCounts[i], 0);
            comments += std::max(commentCounts[i], 0);
        }
        lineCounts[projectRow] = static_cast<int>(std::min<long long>(lines, INT_MAX));
        commentCounts[projectRow] = static_cast<int>(std::min<long long>(comments, INT_MAX));
    }

    void Clear() { *this = MetricsTable(); }
};
