// The read-only data behind a document's views: its title on their windows, File > Close over all of them.
#include "Document.h"

#include "StandardIds.h"
#include "View.h"

#include <algorithm>

bool CDocument::OnOpenDocument(const std::string& path, std::string&)
{
    m_pathName = path;
    const std::size_t slash = path.find_last_of("\\/");
    SetTitle(slash == std::string::npos ? path : path.substr(slash + 1));
    return true;
}

void CDocument::SetTitle(const std::string& title)
{
    m_title = title;
    UpdateFrameTitles();
}

void CDocument::AddView(CView& view)
{
    m_views.push_back(&view);
    UpdateFrameTitles();
}

void CDocument::RemoveView(CView& view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), &view), m_views.end());
    UpdateFrameTitles();
}

bool CDocument::OnCommand(UINT id)
{
    if (id != ID_FILE_CLOSE)
        return false;
    // Closing a window removes its view from the list: work on a copy.
    const std::vector<CView*> views = m_views;
    for (CView* view : views)
        SendMessageA(GetParent(view->GetSafeHwnd()), WM_CLOSE, 0, 0);
    return true;
}

bool CDocument::OnUpdateCommand(CCmdUI& ui)
{
    return ui.id == ID_FILE_CLOSE;
}

void CDocument::UpdateFrameTitles() const
{
    int number = 1;
    for (CView* view : m_views)
    {
        std::string title = m_title;
        if (m_views.size() > 1)
            title += ":" + std::to_string(number++);
        if (HWND frame = GetParent(view->GetSafeHwnd()))
            SetWindowTextA(frame, title.c_str());
    }
}
