// Quillet's main window: its toolbar and status bar, and the settings and help commands that need no document.
#include "MainFrame.h"

#include "HelpFile.h"
#include "MessageBoxSeam.h"
#include "QLShared.h"
#include "QuilletRes.h"
#include "WinApp.h"

namespace
{

// The status bar: the message pane, then the lock keys.
const std::vector<UINT> kIndicators = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

bool IsHelpCommand(UINT id)
{
    return id == ID_HELP_FINDER || id == ID_HELP || id == ID_CONTEXT_HELP || id == ID_DEFAULT_HELP;
}

} // namespace

CMainFrame::~CMainFrame()
{
    // The bars are members: the window goes while they exist.
    DestroyWindow();
}

bool CMainFrame::OnCreateFrame()
{
    if (!m_toolBar.Create(m_hWnd, IDW_TOOLBAR) || !m_toolBar.LoadToolBar(IDR_MAINFRAME))
        return false;
    if (!m_statusBar.Create(m_hWnd, IDW_STATUS_BAR) || !m_statusBar.SetIndicators(kIndicators))
        return false;
    AttachBars(&m_toolBar, &m_statusBar);
    return true;
}

bool CMainFrame::OnCommand(UINT id)
{
    if (id == ID_FORMAT_SETTINGS)
    {
        DoPropertySheet(this);
        return true;
    }
    if (IsHelpCommand(id))
    {
        OnHelp();
        return true;
    }
    return CMDIFrameWnd::OnCommand(id);
}

bool CMainFrame::OnUpdateCommand(CCmdUI& ui)
{
    return ui.id == ID_FORMAT_SETTINGS || IsHelpCommand(ui.id) || CMDIFrameWnd::OnUpdateCommand(ui);
}

void CMainFrame::OnHelp()
{
    // Without a help file or a manual, the help viewer would only show its
    // own error, naming nothing.
    const CHelpFile help(CWinApp::Get()->m_helpFilePath);
    if (help.Show(m_hWnd, HELP_FINDER, CWinApp::Get()->AppName()) == CHelpFile::Shown::Nothing)
        ShowMessageBox(
            m_hWnd, "Neither the help file nor the manual could be found:\n\n" + help.Path() + "\n" + help.ManualPage(),
            CWinApp::Get()->AppName(), MB_OK | MB_ICONEXCLAMATION);
}
