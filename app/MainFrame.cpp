#include "MainFrame.h"

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
    // The help file lies where the installation put it; without one the
    // help viewer would only show its own error, naming nothing.
    const std::string path = GetHelpFilePath();
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    {
        ShowMessageBox(m_hWnd, "The help file could not be found:\n\n" + path, CWinApp::Get()->AppName(),
                       MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    WinHelpA(m_hWnd, path.c_str(), HELP_FINDER, 0);
}
