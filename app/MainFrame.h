#pragma once

#include "MDIFrameWnd.h"
#include "StatusBar.h"
#include "ToolBar.h"

// Quillet's main window: the documents' windows, the toolbar and status bar,
// and the commands that need no document: the format settings and help.
class CMainFrame : public CMDIFrameWnd
{
public:
    using CMDIFrameWnd::CMDIFrameWnd;
    ~CMainFrame() override;

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(CCmdUI& ui) override;

    CToolBar& ToolBar() { return m_toolBar; }
    CStatusBar& StatusBar() { return m_statusBar; }

protected:
    bool OnCreateFrame() override;

private:
    void OnHelp();

    CToolBar m_toolBar;
    CStatusBar m_statusBar;
};
