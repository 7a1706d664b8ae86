// An opened workspace or solution as the program's document, read on opening and recounted after a batch.
#include "MetricsDoc.h"

#include "MDIFrameWnd.h"
#include "MessageBoxSeam.h"
#include "MetricsRecount.h"
#include "MetricsView.h"
#include "ProjectReader.h"
#include "QLShared.h"
#include "WinApp.h"

bool CMetricsDoc::OnOpenDocument(const std::string& path, std::string& error)
{
    CProjectReader reader(m_table, FrontEnd::Standalone, {GetLineCount, GetCommentCount});
    if (!reader.ReadWorkspace(path, error))
        return false;
    // A file without a project line is no workspace to list (a project
    // file, any other file): said, and not opened.
    if (m_table.Size() == 0)
    {
        CWinApp* app = CWinApp::Get();
        ShowMessageBox(app->GetMainFrame() ? app->GetMainFrame()->GetSafeHwnd() : nullptr,
                       "No projects were found in " + path + ".", app->AppName(), MB_OK | MB_ICONINFORMATION);
        return false;
    }
    m_workspaceDirectory = reader.WorkspaceDirectory();
    m_loaded = true;
    return CDocument::OnOpenDocument(path, error);
}

void CMetricsDoc::OnFilesRewritten(const BatchReport& report)
{
    const std::vector<std::size_t> rows =
        RecountRewrittenFiles(m_table, m_workspaceDirectory, report, {GetLineCount, GetCommentCount});
    if (rows.empty())
        return;
    for (CView* view : Views())
        static_cast<CMetricsView*>(view)->UpdateRows(rows);
}
