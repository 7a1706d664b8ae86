// A frame's status bar: the message pane, and the lock keys' indicators shown while their keys are on.
#include "StatusBar.h"

#include "CommonControls.h"
#include "ResourceModule.h"
#include "StandardIds.h"

#include <commctrl.h>

namespace
{

// Room around an indicator's text, in pixels.
const int kIndicatorMargin = 10;

// The key whose toggled state an indicator shows.
int KeyOf(UINT indicator)
{
    switch (indicator)
    {
    case ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    case ID_INDICATOR_SCRL:
        return VK_SCROLL;
    default:
        return 0;
    }
}

} // namespace

bool CStatusBar::Create(HWND parent, UINT id)
{
    InitCommonControlClasses();
    HWND bar =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NOPARENTALIGN, 0, 0, 0, 0,
                        parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), OwnModule(), nullptr);
    if (!bar)
        return false;
    SubclassWindow(bar);
    return true;
}

bool CStatusBar::SetIndicators(const std::vector<UINT>& ids)
{
    m_panes.clear();
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
    bool complete = true;
    for (UINT id : ids)
    {
        Pane pane{id, id ? LoadResourceString(id) : std::string(), 0};
        if (id && pane.text.empty())
            complete = false;
        SIZE extent{};
        GetTextExtentPoint32A(dc, pane.text.c_str(), static_cast<int>(pane.text.size()), &extent);
        pane.width = extent.cx + kIndicatorMargin;
        m_panes.push_back(pane);
    }
    SelectObject(dc, previous);
    ReleaseDC(m_hWnd, dc);
    Layout();
    SetMessageText(LoadResourceString(IDS_IDLE_MESSAGE));
    UpdateIndicators();
    return complete;
}

void CStatusBar::Layout()
{
    if (m_panes.empty())
        return;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    // Right edges from the right: the indicators keep their widths, the
    // message pane gets the rest.
    std::vector<int> edges(m_panes.size());
    edges.back() = -1;
    int right = client.right - GetSystemMetrics(SM_CXVSCROLL); // the size grip
    for (std::size_t index = m_panes.size() - 1; index > 0; --index)
    {
        right -= m_panes[index].width;
        edges[index - 1] = right;
    }
    SendMessageA(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::SetMessageText(const std::string& text)
{
    SendMessageA(m_hWnd, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string CStatusBar::GetPaneText(int pane) const
{
    const LRESULT length = LOWORD(SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, pane, 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(m_hWnd, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void CStatusBar::UpdateIndicators()
{
    for (std::size_t index = 0; index < m_panes.size(); ++index)
    {
        const int key = KeyOf(m_panes[index].id);
        if (!key)
            continue;
        const std::string text = (GetKeyState(key) & 1) ? m_panes[index].text : std::string();
        if (GetPaneText(static_cast<int>(index)) != text)
            SendMessageA(m_hWnd, SB_SETTEXTA, index, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

int CStatusBar::Height() const
{
    RECT rect{};
    GetWindowRect(m_hWnd, &rect);
    return rect.bottom - rect.top;
}
