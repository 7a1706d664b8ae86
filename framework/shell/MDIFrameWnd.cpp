// The main window of a multiple-document program: MDI client, menus, bars, command routing and the preview.
#include "MDIFrameWnd.h"

#include "Document.h"
#include "DroppedFiles.h"
#include "MDIChildWnd.h"
#include "MultiDocTemplate.h"
#include "PreviewSession.h"
#include "RecentFileList.h"
#include "ResourceModule.h"
#include "ShellProgram.h"
#include "StandardIds.h"
#include "ToolBar.h"
#include "View.h"

#include <algorithm>

namespace
{

const char kFrameClassPrefix[] = "QuilletFrame";
// Posted to end a print preview after the message that asked for it.
const UINT kEndPreviewMessage = WM_APP + 0x100;

// Where a new frame appears; the shell's show state then applies.
const RECT kDefaultPlacement{0, 0, 800, 600};

// The popup of a menu bar that lists the open windows: the one holding the
// window commands; null when the menu has none.
HMENU FindWindowMenu(HMENU menu)
{
    const int count = GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index)
    {
        HMENU popup = GetSubMenu(menu, index);
        if (popup && GetMenuState(popup, ID_WINDOW_CASCADE, MF_BYCOMMAND) != static_cast<UINT>(-1))
            return popup;
    }
    return nullptr;
}

} // namespace

CMDIFrameWnd::CMDIFrameWnd(IShellProgram& program) : m_program(program) {}

CMDIFrameWnd::~CMDIFrameWnd()
{
    // The children call back into this object while they go.
    DestroyWindow();
}

bool CMDIFrameWnd::LoadFrame(UINT resourceId, DWORD style)
{
    HINSTANCE module = CurrentResourceModule();
    const std::string className = kFrameClassPrefix + std::to_string(resourceId);
    // The frame shows through around and behind the bars: the colour of
    // buttons and menus, as the bars' own.
    if (!RegisterRoutedClass(className.c_str(), LoadIconA(module, MAKEINTRESOURCEA(resourceId)),
                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    m_menu.reset(LoadMenuA(module, MAKEINTRESOURCEA(resourceId)));
    m_accelerators = LoadAcceleratorsA(module, MAKEINTRESOURCEA(resourceId));
    m_title = LoadResourceString(resourceId);
    m_shownTitle = m_title;
    return CreateRouted(className.c_str(), 0, m_title.c_str(), style, kDefaultPlacement, nullptr, m_menu.get());
}

bool CMDIFrameWnd::CreateClient()
{
    CLIENTCREATESTRUCT client{};
    client.hWindowMenu = FindWindowMenu(m_menu.get());
    client.idFirstChild = IDW_FIRST_MDI_CHILD;
    m_client = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDW_MDI_CLIENT)), OwnModule(), &client);
    return m_client != nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const
{
    if (!m_client)
        return nullptr;
    HWND active = reinterpret_cast<HWND>(SendMessageA(m_client, WM_MDIGETACTIVE, 0, 0));
    for (const auto& child : m_children)
    {
        if (active && child->GetSafeHwnd() == active)
            return child.get();
    }
    return nullptr;
}

CView* CMDIFrameWnd::GetActiveView() const
{
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetView() : nullptr;
}

std::array<CCommandTarget*, 4> CMDIFrameWnd::CommandTargets()
{
    CView* view = GetActiveView();
    return {view, view ? view->GetDocument() : nullptr, this, &m_program};
}

bool CMDIFrameWnd::RouteUpdate(CCmdUI& ui)
{
    for (CCommandTarget* target : CommandTargets())
    {
        if (target && target->OnUpdateCommand(ui))
            return true;
    }
    return false;
}

bool CMDIFrameWnd::RouteCommand(UINT id)
{
    CCmdUI ui;
    ui.id = id;
    if (RouteUpdate(ui) && !ui.enabled)
        return true;
    for (CCommandTarget* target : CommandTargets())
    {
        if (target && target->OnCommand(id))
            return true;
    }
    return false;
}

CMDIChildWnd* CMDIFrameWnd::CreateChild(CMultiDocTemplate& docTemplate)
{
    m_children.push_back(std::make_unique<CMDIChildWnd>(*this, docTemplate));
    CMDIChildWnd* child = m_children.back().get();
    if (child->Create())
        return child;
    OnChildDestroyed(*child);
    return nullptr;
}

void CMDIFrameWnd::OnChildActivated()
{
    UpdateFrameMenu();
    UpdateFrameTitle();
}

void CMDIFrameWnd::OnChildDestroyed(CMDIChildWnd& child)
{
    auto held = std::find_if(m_children.begin(), m_children.end(),
                             [&](const std::unique_ptr<CMDIChildWnd>& owned) { return owned.get() == &child; });
    if (held == m_children.end())
        return;
    std::unique_ptr<CMDIChildWnd> released = std::move(*held);
    m_children.erase(held);
    // While the frame goes its children go too, and there is no menu or
    // title left to follow them.
    if (m_hWnd && !m_destroying)
    {
        UpdateFrameMenu();
        UpdateFrameTitle();
    }
}

void CMDIFrameWnd::UpdateFrameMenu()
{
    CMDIChildWnd* active = MDIGetActive();
    HMENU menu = active && active->Template().Menu() ? active->Template().Menu() : m_menu.get();
    if (GetMenu(m_hWnd) == menu)
        return;
    SendMessageA(m_client, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                 reinterpret_cast<LPARAM>(FindWindowMenu(menu)));
    DrawMenuBar(m_hWnd);
}

void CMDIFrameWnd::OnChildTitleChanged()
{
    if (!m_client || m_destroying)
        return;
    // The Window menu lists the windows under the titles they last had.
    SendMessageA(m_client, WM_MDIREFRESHMENU, 0, 0);
    DrawMenuBar(m_hWnd);
    UpdateFrameTitle();
}

void CMDIFrameWnd::UpdateFrameTitle()
{
    // The MDI frame adds a maximised child's title itself: "Quillet - [name]".
    std::string title = m_title;
    CMDIChildWnd* active = MDIGetActive();
    if (active && !IsZoomed(active->GetSafeHwnd()))
    {
        char text[MAX_PATH] = {};
        GetWindowTextA(active->GetSafeHwnd(), text, sizeof(text));
        title += std::string(" - ") + text;
    }
    if (title == m_shownTitle)
        return;
    m_shownTitle = title;
    SetWindowTextA(m_hWnd, title.c_str());
}

void CMDIFrameWnd::AttachBars(CToolBar* toolBar, CStatusBar* statusBar)
{
    m_bars.Attach(toolBar, statusBar);
    if (toolBar)
        toolBar->SetOnDrop([this](POINT screen) { DockToolBar(screen); });
    RecalcLayout();
}

void CMDIFrameWnd::DockToolBar(POINT screen)
{
    RECT client{};
    GetClientRect(m_hWnd, &client);
    ScreenToClient(m_hWnd, &screen);
    m_bars.DockToolBar(client, screen);
    RecalcLayout();
}

void CMDIFrameWnd::OnIdle()
{
    m_bars.Update(
        [this](UINT command)
        {
            CCmdUI ui;
            ui.id = command;
            return RouteUpdate(ui) && ui.enabled;
        });
    // A child maximised or restored changes how the title reads.
    UpdateFrameTitle();
}

void CMDIFrameWnd::ToggleBar(CWnd* bar)
{
    if (!bar || !bar->GetSafeHwnd())
        return;
    ShowWindow(bar->GetSafeHwnd(), IsWindowVisible(bar->GetSafeHwnd()) ? SW_HIDE : SW_SHOW);
    RecalcLayout();
}

bool CMDIFrameWnd::OnCommand(UINT id)
{
    switch (id)
    {
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR:
        ToggleBar(m_bars.Bar(id));
        return true;
    case ID_WINDOW_NEW:
        if (CView* view = GetActiveView())
        {
            CDocument* document = view->GetDocument();
            document->GetDocTemplate()->CreateNewFrame(*document, *this);
        }
        return true;
    case ID_WINDOW_CASCADE:
        SendMessageA(m_client, WM_MDICASCADE, 0, 0);
        return true;
    case ID_WINDOW_TILE_HORZ:
        SendMessageA(m_client, WM_MDITILE, MDITILE_HORIZONTAL, 0);
        return true;
    case ID_WINDOW_TILE_VERT:
        SendMessageA(m_client, WM_MDITILE, MDITILE_VERTICAL, 0);
        return true;
    case ID_WINDOW_ARRANGE:
        SendMessageA(m_client, WM_MDIICONARRANGE, 0, 0);
        return true;
    default:
        return false;
    }
}

bool CMDIFrameWnd::OnUpdateCommand(CCmdUI& ui)
{
    switch (ui.id)
    {
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR:
    {
        const CWnd* bar = m_bars.Bar(ui.id);
        ui.checked = bar && IsWindowVisible(bar->GetSafeHwnd());
        return true;
    }
    case ID_WINDOW_NEW:
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_HORZ:
    case ID_WINDOW_TILE_VERT:
    case ID_WINDOW_ARRANGE:
        ui.enabled = MDIGetActive() != nullptr;
        return true;
    default:
        return false;
    }
}

void CMDIFrameWnd::OnDropFiles(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths)
        m_program.OpenDocumentFile(path);
}

void CMDIFrameWnd::RecalcLayout()
{
    RECT rect{};
    GetClientRect(m_hWnd, &rect);
    m_bars.Layout(rect);
    if (m_client)
        MoveWindow(m_client, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    if (m_preview)
        MoveWindow(m_preview->Window(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

bool CMDIFrameWnd::BeginPreview(std::unique_ptr<CPreviewSession> session)
{
    if (m_preview || !m_client)
        return false;
    RECT rect{};
    GetWindowRect(m_client, &rect);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    if (!session->Start(rect))
        return false;
    m_preview = std::move(session);
    ShowWindow(m_client, SW_HIDE);
    return true;
}

void CMDIFrameWnd::EndPreview()
{
    PostMessageA(m_hWnd, kEndPreviewMessage, 0, 0);
}

HWND CMDIFrameWnd::PreviewWindow() const
{
    return m_preview ? m_preview->Window() : nullptr;
}

void CMDIFrameWnd::SetMessageText(const std::string& text)
{
    m_bars.SetMessageText(text);
}

void CMDIFrameWnd::UpdateMenuStates(HMENU popup)
{
    if (CRecentFileList* recent = m_program.RecentFiles())
        recent->UpdateMenu(popup);
    const int count = GetMenuItemCount(popup);
    for (int index = 0; index < count; ++index)
    {
        const UINT id = GetMenuItemID(popup, index);
        // Separators are 0, popups -1; the MDI client's window list is its own.
        if (id == 0 || id == static_cast<UINT>(-1) || id >= IDW_FIRST_MDI_CHILD)
            continue;
        CCmdUI ui;
        ui.id = id;
        const bool enabled = RouteUpdate(ui) && ui.enabled;
        EnableMenuItem(popup, index, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(popup, index, MF_BYPOSITION | (ui.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

bool CMDIFrameWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message)
    {
    case WM_CREATE:
        result = CreateClient() && OnCreateFrame() ? 0 : -1;
        return true;
    case WM_SIZE:
        RecalcLayout();
        result = 0;
        return true;
    case kEndPreviewMessage:
        if (m_preview)
        {
            m_preview.reset();
            ShowWindow(m_client, SW_SHOW);
            m_bars.ShowPrompt(0);
        }
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) >= IDW_FIRST_MDI_CHILD)
            break;
        // The preview bar's commands, sent to the frame by other programs.
        if (m_preview && LOWORD(wParam) >= CPrintPreview::CloseCommand &&
            LOWORD(wParam) <= CPrintPreview::ZoomOutCommand)
        {
            SendMessageA(m_preview->Window(), WM_COMMAND, LOWORD(wParam), 0);
            result = 0;
            return true;
        }
        RouteCommand(LOWORD(wParam));
        result = 0;
        return true;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam))
            UpdateMenuStates(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MENUSELECT:
    {
        // A closing menu, a popup or a separator has no prompt of its own.
        const bool closing = HIWORD(wParam) == 0xFFFF && !lParam;
        m_bars.ShowPrompt(closing || (HIWORD(wParam) & (MF_POPUP | MF_SEPARATOR)) ? 0 : LOWORD(wParam));
        break;
    }
    case WM_NOTIFY:
        if (m_bars.OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam))
        {
            result = 0;
            return true;
        }
        break;
    case WM_DROPFILES:
        OnDropFiles(DroppedFiles(reinterpret_cast<HDROP>(wParam)));
        result = 0;
        return true;
    case WM_DESTROY:
        m_destroying = true;
        // The menus belong to the frame and the templates, not to the window.
        SetMenu(m_hWnd, nullptr);
        break;
    default:
        break;
    }
    return CWnd::OnMessage(message, wParam, lParam, result);
}

LRESULT CMDIFrameWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The MDI client goes before the frame; its state must not be reached
    // through a handle that is no longer a window.
    return DefFrameProcA(m_hWnd, m_client && IsWindow(m_client) ? m_client : nullptr, message, wParam, lParam);
}

void CMDIFrameWnd::OnFinalDestroy()
{
    m_client = nullptr;
    m_program.OnMainWindowDestroyed(*this);
}
