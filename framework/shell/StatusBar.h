#pragma once

#include "Wnd.h"

#include <string>
#include <vector>

// The status bar at the bottom of a frame: a message pane that takes the
// room left, then one pane per indicator (caps, num and scroll lock), each
// showing its string resource while its key is on.
class CStatusBar : public CWnd
{
public:
    bool Create(HWND parent, UINT id);
    // The indicators' ids; 0 stands for the message pane. False when an
    // indicator has no string.
    bool SetIndicators(const std::vector<UINT>& ids);

    void SetMessageText(const std::string& text);
    std::string GetPaneText(int pane) const;
    // Shows each lock indicator's text while its key is toggled on.
    void UpdateIndicators();
    // Resizes the panes to the bar's width.
    void Layout();
    int Height() const;

private:
    struct Pane
    {
        UINT id;
        std::string text;
        int width;
    };
    std::vector<Pane> m_panes;
};
