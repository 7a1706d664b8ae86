#pragma once

#include "ColumnTree.h"
#include "MetricsTree.h"

#include <vector>

// A column tree seen as the metrics tree of a batch run or a report: its
// top-level items are the projects, their children the files. The items are
// listed when the object is made, so lookups by index cost no walk; texts,
// item data and selected states are read from the tree at each call. Make a
// new one after items are added.
class CColumnTreeMetrics : public IMetricsTree
{
public:
    explicit CColumnTreeMetrics(const CColumnTree& tree);

    std::size_t ProjectCount() const override { return m_projects.size(); }
    std::size_t FileCount(std::size_t project) const override { return m_projects[project].files.size(); }
    std::string ProjectText(std::size_t project, Column column) const override;
    std::string FileText(std::size_t project, std::size_t file, Column column) const override;
    // The string the item data points to; empty without item data.
    std::string FileData(std::size_t project, std::size_t file) const override;
    bool IsProjectSelected(std::size_t project) const override;
    bool IsFileSelected(std::size_t project, std::size_t file) const override;

private:
    struct Project
    {
        HTREEITEM item;
        std::vector<HTREEITEM> files;
    };

    const CColumnTree& m_tree;
    std::vector<Project> m_projects;
};
