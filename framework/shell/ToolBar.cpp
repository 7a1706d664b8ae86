// A frame's toolbar from a toolbar resource, with enabled states, tooltips and docking to any edge.
#include "ToolBar.h"

#include "CommonControls.h"
#include "ResourceModule.h"
#include "StandardIds.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace
{

// The toolbar resource: words of version, button width and height, count,
// then the commands.
enum ToolbarField
{
    VersionField,
    WidthField,
    HeightField,
    CountField,
    FirstCommandField
};
// A separator's width in a row of buttons.
const int kSeparatorWidth = 6;
// Room around the buttons across the bar.
const int kBarMargin = 6;

} // namespace

bool CToolBar::Create(HWND parent, UINT id)
{
    InitCommonControlClasses();
    HWND bar =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_NODIVIDER |
                            CCS_NORESIZE | CCS_NOPARENTALIGN,
                        0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), OwnModule(), nullptr);
    if (!bar)
        return false;
    SubclassWindow(bar);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

bool CToolBar::LoadToolBar(UINT id)
{
    HINSTANCE module = CurrentResourceModule();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(RT_TOOLBAR_BUTTONS));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    if (!words || SizeofResource(module, found) < FirstCommandField * sizeof(WORD))
        return false;
    const WORD count = words[CountField];
    if (SizeofResource(module, found) < (FirstCommandField + count) * sizeof(WORD))
        return false;
    SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(words[WidthField], words[HeightField]));

    m_commands.assign(words + FirstCommandField, words + FirstCommandField + count);
    int glyphs = 0;
    std::vector<TBBUTTON> buttons;
    for (UINT command : m_commands)
    {
        TBBUTTON button{};
        button.idCommand = static_cast<int>(command);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = command ? BTNS_BUTTON : BTNS_SEP;
        button.iBitmap = command ? glyphs++ : kSeparatorWidth;
        buttons.push_back(button);
    }
    TBADDBITMAP bitmap{module, id};
    if (SendMessageA(m_hWnd, TB_ADDBITMAP, glyphs, reinterpret_cast<LPARAM>(&bitmap)) < 0)
        return false;
    return SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())) != FALSE;
}

bool CToolBar::IsButtonEnabled(UINT command) const
{
    return SendMessageA(m_hWnd, TB_ISBUTTONENABLED, command, 0) != 0;
}

void CToolBar::UpdateButtons(const std::function<bool(UINT command)>& isEnabled)
{
    for (UINT command : m_commands)
    {
        if (command)
            EnableButton(command, isEnabled(command));
    }
}

void CToolBar::EnableButton(UINT command, bool enabled)
{
    if (IsButtonEnabled(command) != enabled)
        SendMessageA(m_hWnd, TB_ENABLEBUTTON, command, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

CToolBar::DockSide CToolBar::NearestSide(const RECT& area, POINT point)
{
    const struct
    {
        DockSide side;
        long distance;
    } sides[] = {{DockSide::Top, point.y - area.top},
                 {DockSide::Bottom, area.bottom - point.y},
                 {DockSide::Left, point.x - area.left},
                 {DockSide::Right, area.right - point.x}};
    return std::min_element(std::begin(sides), std::end(sides),
                            [](const auto& a, const auto& b) { return a.distance < b.distance; })
        ->side;
}

int CToolBar::Thickness() const
{
    const LRESULT button = SendMessageA(m_hWnd, TB_GETBUTTONSIZE, 0, 0);
    const bool column = m_side == DockSide::Left || m_side == DockSide::Right;
    return (column ? LOWORD(button) : HIWORD(button)) + kBarMargin;
}

void CToolBar::SetDockSide(DockSide side)
{
    m_side = side;
    const bool column = side == DockSide::Left || side == DockSide::Right;
    const LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
    SetWindowLongA(m_hWnd, GWL_STYLE, column ? (style | CCS_VERT) : (style & ~CCS_VERT));
    // In a column every button ends its own row.
    const int count = static_cast<int>(SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index)
    {
        TBBUTTONINFOA info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        SendMessageA(m_hWnd, TB_GETBUTTONINFOA, index, reinterpret_cast<LPARAM>(&info));
        info.fsState = static_cast<BYTE>(column ? (info.fsState | TBSTATE_WRAP) : (info.fsState & ~TBSTATE_WRAP));
        SendMessageA(m_hWnd, TB_SETBUTTONINFOA, index, reinterpret_cast<LPARAM>(&info));
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CToolBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    {
        // A press beside the buttons picks the bar up.
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (SendMessageA(m_hWnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&at)) >= 0)
            break;
        m_dragging = true;
        SetCapture(m_hWnd);
        SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
        result = 0;
        return true;
    }
    case WM_LBUTTONUP:
        if (!m_dragging)
            break;
        m_dragging = false;
        ReleaseCapture();
        if (m_onDrop)
        {
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(m_hWnd, &at);
            m_onDrop(at);
        }
        result = 0;
        return true;
    case WM_CAPTURECHANGED:
        m_dragging = false;
        break;
    default:
        break;
    }
    return CWnd::OnMessage(message, wParam, lParam, result);
}
