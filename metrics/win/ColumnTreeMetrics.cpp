// A column tree seen as the metrics tree of a batch run or a printed report: projects at the top, files below.
#include "ColumnTreeMetrics.h"

CColumnTreeMetrics::CColumnTreeMetrics(const CColumnTree& tree) : m_tree(tree)
{
    for (HTREEITEM project = tree.GetRootItem(); project; project = tree.GetNextSiblingItem(project))
    {
        Project entry{project, {}};
        for (HTREEITEM file = tree.GetChildItem(project); file; file = tree.GetNextSiblingItem(file))
            entry.files.push_back(file);
        m_projects.push_back(std::move(entry));
    }
}

std::string CColumnTreeMetrics::ProjectText(std::size_t project, Column column) const
{
    return m_tree.GetItemText(m_projects[project].item, column);
}

std::string CColumnTreeMetrics::FileText(std::size_t project, std::size_t file, Column column) const
{
    return m_tree.GetItemText(m_projects[project].files[file], column);
}

std::string CColumnTreeMetrics::FileData(std::size_t project, std::size_t file) const
{
    const std::string* data = m_tree.GetItemData(m_projects[project].files[file]);
    return data ? *data : std::string();
}

bool CColumnTreeMetrics::IsProjectSelected(std::size_t project) const
{
    return m_tree.IsSelected(m_projects[project].item);
}

bool CColumnTreeMetrics::IsFileSelected(std::size_t project, std::size_t file) const
{
    return m_tree.IsSelected(m_projects[project].files[file]);
}
