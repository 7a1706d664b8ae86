#pragma once

#include "Wnd.h"

#include <functional>
#include <vector>

// A row of command buttons (the common toolbar control) loaded from a
// toolbar resource: the bitmap of the same id holds the glyphs, one per
// button, in order. Buttons show tooltips, which the frame answers with the
// second line of each command's prompt.
class CToolBar : public CWnd
{
public:
    bool Create(HWND parent, UINT id);
    // Loads the buttons and glyphs of resource id; false when either is missing.
    bool LoadToolBar(UINT id);

    // The commands of the buttons, 0 for separators.
    const std::vector<UINT>& Commands() const { return m_commands; }
    bool IsButtonEnabled(UINT command) const;
    // Asks for each button's state and shows it.
    void UpdateButtons(const std::function<bool(UINT command)>& isEnabled);

    // The room the bar takes along a frame's edge.
    SIZE Extent() const;

private:
    void EnableButton(UINT command, bool enabled);

    std::vector<UINT> m_commands;
};
