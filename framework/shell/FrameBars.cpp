// A frame's toolbar and status bar: their places, prompts and tooltips.
#include "FrameBars.h"

#include "CommandPrompt.h"
#include "ResourceModule.h"
#include "StandardIds.h"
#include "StatusBar.h"
#include "ToolBar.h"

#include <commctrl.h>

void CFrameBars::Attach(CToolBar* toolBar, CStatusBar* statusBar)
{
    m_toolBar = toolBar;
    m_statusBar = statusBar;
}

CWnd* CFrameBars::Bar(UINT command) const
{
    switch (command)
    {
    case ID_VIEW_TOOLBAR:
        return m_toolBar;
    case ID_VIEW_STATUS_BAR:
        return m_statusBar;
    default:
        return nullptr;
    }
}

void CFrameBars::Layout(RECT& rect)
{
    if (m_statusBar && IsWindowVisible(m_statusBar->GetSafeHwnd()))
    {
        // The status bar takes its own height when it is sized.
        SendMessageA(m_statusBar->GetSafeHwnd(), WM_SIZE, 0, 0);
        const int height = m_statusBar->Height();
        MoveWindow(m_statusBar->GetSafeHwnd(), rect.left, rect.bottom - height, rect.right - rect.left, height, TRUE);
        m_statusBar->Layout();
        rect.bottom -= height;
    }
    if (m_toolBar && IsWindowVisible(m_toolBar->GetSafeHwnd()))
    {
        const int depth = m_toolBar->Thickness();
        RECT bar = rect;
        switch (m_toolBar->GetDockSide())
        {
        case CToolBar::DockSide::Top:
            bar.bottom = rect.top += depth;
            break;
        case CToolBar::DockSide::Bottom:
            bar.top = rect.bottom -= depth;
            break;
        case CToolBar::DockSide::Left:
            bar.right = rect.left += depth;
            break;
        case CToolBar::DockSide::Right:
            bar.left = rect.right -= depth;
            break;
        }
        MoveWindow(m_toolBar->GetSafeHwnd(), bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, TRUE);
    }
}

void CFrameBars::DockToolBar(const RECT& client, POINT point)
{
    if (m_toolBar)
        m_toolBar->SetDockSide(CToolBar::NearestSide(client, point));
}

void CFrameBars::ShowPrompt(UINT id)
{
    if (m_statusBar && m_statusBar->GetSafeHwnd())
        m_statusBar->SetMessageText(id ? CommandPrompt(id, PromptPart::Status) : LoadResourceString(IDS_IDLE_MESSAGE));
}

void CFrameBars::SetMessageText(const std::string& text)
{
    if (m_statusBar && m_statusBar->GetSafeHwnd())
        m_statusBar->SetMessageText(text);
}

bool CFrameBars::OnNotify(const NMHDR& header, LPARAM lParam)
{
    if (header.code == TTN_GETDISPINFOA)
    {
        auto& info = *reinterpret_cast<NMTTDISPINFOA*>(lParam);
        const std::string tip = CommandPrompt(static_cast<UINT>(header.idFrom), PromptPart::Tip);
        lstrcpynA(info.szText, tip.c_str(), sizeof(info.szText));
        info.lpszText = info.szText;
        info.hinst = nullptr;
        return true;
    }
    if (header.code == TBN_HOTITEMCHANGE && m_toolBar && header.hwndFrom == m_toolBar->GetSafeHwnd())
    {
        const auto& change = *reinterpret_cast<const NMTBHOTITEM*>(lParam);
        ShowPrompt((change.dwFlags & HICF_LEAVING) ? 0 : static_cast<UINT>(change.idNew));
        return false;
    }
    return false;
}

void CFrameBars::Update(const std::function<bool(UINT command)>& isEnabled)
{
    if (m_toolBar && m_toolBar->GetSafeHwnd())
        m_toolBar->UpdateButtons(isEnabled);
    if (m_statusBar && m_statusBar->GetSafeHwnd())
        m_statusBar->UpdateIndicators();
}
