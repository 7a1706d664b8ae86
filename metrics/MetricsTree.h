#pragma once

#include <cstddef>
#include <string>

// The metrics list as the batch run and the report see it: projects at the
// top level, their source files below, each item with three column texts
// (name, lines, comments) and a selected state. The tree controls of both
// front ends implement it; CMetricsList is the portable one.
class IMetricsTree
{
public:
    enum Column
    {
        NameColumn = 0,
        LinesColumn = 1,
        CommentsColumn = 2
    };

    virtual ~IMetricsTree() = default;

    virtual std::size_t ProjectCount() const = 0;
    virtual std::size_t FileCount(std::size_t project) const = 0;

    virtual std::string ProjectText(std::size_t project, Column column) const = 0;
    virtual std::string FileText(std::size_t project, std::size_t file, Column column) const = 0;
    // Add-in: the folder of the file's project (the item data of the list).
    virtual std::string FileData(std::size_t project, std::size_t file) const = 0;

    virtual bool IsProjectSelected(std::size_t project) const = 0;
    virtual bool IsFileSelected(std::size_t project, std::size_t file) const = 0;
};
