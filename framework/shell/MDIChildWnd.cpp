// A document's window in the MDI client: holds its view, tells the frame when active, closes an orphaned document.
#include "MDIChildWnd.h"

#include "Document.h"
#include "MDIFrameWnd.h"
#include "MultiDocTemplate.h"
#include "ResourceModule.h"
#include "View.h"

#include <string>

CMDIChildWnd::CMDIChildWnd(CMDIFrameWnd& frame, CMultiDocTemplate& docTemplate)
    : m_frame(frame), m_template(docTemplate)
{
}

// The window goes first, by OnFinalDestroy, which releases this object.
CMDIChildWnd::~CMDIChildWnd() = default;

bool CMDIChildWnd::Create()
{
    // One class per template, carrying its icon.
    const std::string className = "QuilletMDIChild" + std::to_string(m_template.ResourceId());
    if (!RegisterRoutedClass(className.c_str(), m_template.Icon(), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    MDICREATESTRUCTA create{};
    create.szClass = className.c_str();
    create.szTitle = "";
    create.hOwner = OwnModule();
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    BindNextWindow();
    SendMessageA(m_frame.MDIClient(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
    return m_hWnd != nullptr;
}

bool CMDIChildWnd::AttachView(std::unique_ptr<CView> view, CDocument& document)
{
    m_view = std::move(view);
    if (!m_view->Create(m_hWnd, m_frame, document))
        return false;
    m_view->OnInitialUpdate();
    m_frame.OnChildActivated();
    SetFocus(m_view->GetSafeHwnd());
    return true;
}

bool CMDIChildWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message)
    {
    case WM_SIZE:
        if (m_view && m_view->GetSafeHwnd())
            MoveWindow(m_view->GetSafeHwnd(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        // Maximised or restored, the window's title moves into or out of
        // the frame's.
        if (wParam == SIZE_MAXIMIZED || wParam == SIZE_RESTORED)
            m_frame.UpdateFrameTitle();
        break; // the MDI child's own handling follows
    case WM_SETFOCUS:
        if (m_view && m_view->GetSafeHwnd())
        {
            SetFocus(m_view->GetSafeHwnd());
            result = 0;
            return true;
        }
        break;
    case WM_SETTEXT:
        result = Default(message, wParam, lParam);
        m_frame.OnChildTitleChanged();
        return true;
    case WM_MDIACTIVATE:
        result = Default(message, wParam, lParam);
        if (reinterpret_cast<HWND>(lParam) == m_hWnd)
            m_frame.OnChildActivated();
        return true;
    default:
        break;
    }
    return CWnd::OnMessage(message, wParam, lParam, result);
}

LRESULT CMDIChildWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

void CMDIChildWnd::OnFinalDestroy()
{
    CDocument* document = m_view ? m_view->GetDocument() : nullptr;
    m_view.reset();
    if (document && document->Views().empty())
        m_template.CloseDocument(*document);
    // The frame owns this object and releases it here: nothing may follow.
    m_frame.OnChildDestroyed(*this);
}
