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

    // The edge of the frame the bar lies along.
    enum class DockSide
    {
        Top,
        Bottom,
        Left,
        Right
    };
    DockSide GetDockSide() const { return m_side; }
    // The edge of area nearest to point.
    static DockSide NearestSide(const RECT& area, POINT point);
    // Lays the buttons out in a row (top, bottom) or a column (left, right).
    void SetDockSide(DockSide side);
    // The bar's depth across its edge: the height of a row, the width of a
    // column.
    int Thickness() const;
    // Called when the user drops the bar after dragging it by its empty
    // part, with the point in screen coordinates.
    void SetOnDrop(std::function<void(POINT screen)> onDrop) { m_onDrop = std::move(onDrop); }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void EnableButton(UINT command, bool enabled);

    std::vector<UINT> m_commands;
    DockSide m_side = DockSide::Top;
    std::function<void(POINT screen)> m_onDrop;
    bool m_dragging = false;
};
