#pragma once

#include "MetricsTable.h"
#include "MetricsTree.h"

#include <vector>

// The list of a MetricsTable as the tree shows it: counts as "%d", a file's
// negative count as "NA"; project totals always as numbers. Nothing is
// selected until Select... is called.
class CMetricsList : public IMetricsTree
{
public:
    static const char* const NotAvailable;

    // Appends the table's rows, as filling a tree appends its items.
    void Fill(const MetricsTable& table);

    // The count text of one list cell.
    static std::string CountText(int count, bool isFile);

    void SelectProject(std::size_t project, bool selected = true);
    void SelectFile(std::size_t project, std::size_t file, bool selected = true);
    void SelectAll();

    std::size_t ProjectCount() const override { return m_projects.size(); }
    std::size_t FileCount(std::size_t project) const override { return m_projects[project].files.size(); }
    std::string ProjectText(std::size_t project, Column column) const override;
    std::string FileText(std::size_t project, std::size_t file, Column column) const override;
    std::string FileData(std::size_t project, std::size_t file) const override;
    bool IsProjectSelected(std::size_t project) const override { return m_projects[project].item.selected; }
    bool IsFileSelected(std::size_t project, std::size_t file) const override
    {
        return m_projects[project].files[file].selected;
    }

private:
    struct Item
    {
        std::string texts[3];
        std::string data;
        bool selected = false;
    };
    struct Project
    {
        Item item;
        std::vector<Item> files;
    };

    std::vector<Project> m_projects;
};
