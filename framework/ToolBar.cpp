#include "ToolBar.h"

#include "CommonControls.h"
#include "ResourceModule.h"
#include "StandardIds.h"

#include <commctrl.h>

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

SIZE CToolBar::Extent() const
{
    SIZE size{};
    SendMessageA(m_hWnd, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    // The bar's own margins around its buttons.
    const LRESULT padding = SendMessageA(m_hWnd, TB_GETPADDING, 0, 0);
    size.cx += LOWORD(padding);
    size.cy += HIWORD(padding);
    return size;
}
