#pragma once

#include <windows.h>

#include <functional>
#include <string>

class CStatusBar;
class CToolBar;
class CWnd;

// A frame's toolbar and status bar: where they lie (the toolbar along
// whichever edge the user drags it to), each command's prompt in the status
// bar while its menu item or button is highlighted, and the buttons'
// tooltips. The frame's program creates the bars; this only places and
// feeds them.
class CFrameBars
{
public:
    void Attach(CToolBar* toolBar, CStatusBar* statusBar);
    CToolBar* ToolBar() const { return m_toolBar; }

    // The bar a View command shows and hides; null for another command or a
    // bar the frame lacks.
    CWnd* Bar(UINT command) const;
    // Places the visible bars along the edges of rect and leaves in it the
    // room that remains.
    void Layout(RECT& rect);
    // Docks the toolbar along the edge of client nearest to point.
    void DockToolBar(const RECT& client, POINT point);

    // The status bar's text: a command's prompt, or the idle text for 0.
    void ShowPrompt(UINT id);
    void SetMessageText(const std::string& text);
    // A tooltip's request for its text, or the toolbar's hot button moving;
    // true when the notification has been answered.
    bool OnNotify(const NMHDR& header, LPARAM lParam);
    // Brings the toolbar's buttons and the status bar's indicators up to
    // date.
    void Update(const std::function<bool(UINT command)>& isEnabled);

private:
    CToolBar* m_toolBar = nullptr;
    CStatusBar* m_statusBar = nullptr;
};
