#include "MetricsDoc.h"

#include "ProjectReader.h"
#include "QLShared.h"

bool CMetricsDoc::OnOpenDocument(const std::string& path, std::string& error)
{
    CProjectReader reader(m_table, CProjectReader::Flavour::Standalone, {GetLineCount, GetCommentCount});
    if (!reader.ReadWorkspace(path, error))
        return false;
    m_workspaceDirectory = reader.WorkspaceDirectory();
    m_loaded = true;
    return CDocument::OnOpenDocument(path, error);
}
