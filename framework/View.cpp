#include "View.h"

#include "Document.h"
#include "StandardIds.h"

CView::~CView()
{
    if (m_document)
        m_document->RemoveView(*this);
}

bool CView::Create(HWND parent, CDocument& document)
{
    RECT client{};
    GetClientRect(parent, &client);
    if (!CreateEx(0, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, client, parent, IDW_MDI_CLIENT))
        return false;
    if (!OnCreateView())
        return false;
    m_document = &document;
    document.AddView(*this);
    return true;
}

bool CView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_SIZE)
    {
        OnSize(LOWORD(lParam), HIWORD(lParam));
        result = 0;
        return true;
    }
    return CWnd::OnMessage(message, wParam, lParam, result);
}
