// The metrics list without a window: the count texts every front end shows, and a selection for the CLI's batch.
#include "MetricsList.h"

#include <string>

const char* const CMetricsList::NotAvailable = "NA";

std::string CMetricsList::CountText(int count, bool isFile)
{
    if (isFile && count < 0)
        return NotAvailable;
    return std::to_string(count);
}

void CMetricsList::Fill(const MetricsTable& table)
{
    for (std::size_t i = 0; i < table.Size(); ++i)
    {
        const bool isFile = table.kinds[i] == RowKind::SourceFile;
        Item item;
        item.texts[NameColumn] = table.names[i];
        item.texts[LinesColumn] = CountText(table.lineCounts[i], isFile);
        item.texts[CommentsColumn] = CountText(table.commentCounts[i], isFile);
        item.data = table.directories[i];
        // A file row always follows its project row; the table guarantees it.
        if (isFile && !m_projects.empty())
            m_projects.back().files.push_back(std::move(item));
        else if (!isFile)
            m_projects.push_back(Project{std::move(item), {}});
    }
}

void CMetricsList::SelectProject(std::size_t project, bool selected)
{
    m_projects[project].item.selected = selected;
}

void CMetricsList::SelectFile(std::size_t project, std::size_t file, bool selected)
{
    m_projects[project].files[file].selected = selected;
}

void CMetricsList::SelectAll()
{
    for (Project& project : m_projects)
        project.item.selected = true;
}

std::string CMetricsList::ProjectText(std::size_t project, Column column) const
{
    return m_projects[project].item.texts[column];
}

std::string CMetricsList::FileText(std::size_t project, std::size_t file, Column column) const
{
    return m_projects[project].files[file].texts[column];
}

std::string CMetricsList::FileData(std::size_t project, std::size_t file) const
{
    return m_projects[project].files[file].data;
}
