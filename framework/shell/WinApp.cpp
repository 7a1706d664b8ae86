// The program: its templates, frame, message loop, file commands, recent files and the shell's requests.
#include "WinApp.h"

#include "DdeServer.h"
#include "FileDialogSeam.h"
#include "HelpFile.h"
#include "MDIFrameWnd.h"
#include "MessageBoxSeam.h"
#include "MultiDocTemplate.h"
#include "RecentFileList.h"
#include "ShellRegistration.h"
#include "StandardIds.h"
#include "View.h"

CWinApp* CWinApp::s_app = nullptr;

CWinApp::CWinApp(std::string appName)
    : m_helpFilePath(CHelpFile::DefaultFor(nullptr)), m_appName(std::move(appName)), m_profile(m_appName)
{
    s_app = this;
}

CWinApp::~CWinApp()
{
    m_ddeServer.reset();
    if (m_mainFrame)
        m_mainFrame->DestroyWindow();
    m_mainFrame.reset();
    m_templates.clear();
    s_app = nullptr;
}

int CWinApp::Run()
{
    m_running = true;
    MSG message{};
    for (;;)
    {
        if (m_mainFrame && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
            m_mainFrame->OnIdle();
        if (GetMessageA(&message, nullptr, 0, 0) <= 0)
            break;
        if (PreTranslateMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    m_running = false;
    return static_cast<int>(message.wParam);
}

bool CWinApp::PreTranslateMessage(MSG& message)
{
    if (!m_mainFrame || !m_mainFrame->GetSafeHwnd())
        return false;
    if (m_mainFrame->MDIClient() && TranslateMDISysAccel(m_mainFrame->MDIClient(), &message))
        return true;
    HACCEL accelerators = m_mainFrame->Accelerators();
    return accelerators && TranslateAcceleratorA(m_mainFrame->GetSafeHwnd(), accelerators, &message);
}

void CWinApp::SetMainFrame(std::unique_ptr<CMDIFrameWnd> frame)
{
    m_mainFrame = std::move(frame);
    CWnd::SetMainWindow(m_mainFrame ? m_mainFrame->GetSafeHwnd() : nullptr);
}

void CWinApp::OnMainWindowDestroyed(CMDIFrameWnd& frame)
{
    if (&frame != m_mainFrame.get())
        return;
    CWnd::SetMainWindow(nullptr);
    if (m_running)
        PostQuitMessage(0);
}

void CWinApp::AddDocTemplate(std::unique_ptr<CMultiDocTemplate> docTemplate)
{
    m_templates.push_back(std::move(docTemplate));
}

CMultiDocTemplate* CWinApp::GetDocTemplate() const
{
    return m_templates.empty() ? nullptr : m_templates.front().get();
}

CMultiDocTemplate* CWinApp::DocTemplateFor(const std::string& path) const
{
    for (const auto& docTemplate : m_templates)
    {
        if (docTemplate->MatchesExtension(path))
            return docTemplate.get();
    }
    return GetDocTemplate();
}

CDocument* CWinApp::OpenDocumentFile(const std::string& path)
{
    CMultiDocTemplate* docTemplate = DocTemplateFor(path);
    if (!docTemplate || !m_mainFrame)
        return nullptr;
    // A relative path would name another file once the current folder
    // changes, and the recent-file list outlives this run.
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    const std::string fullPath = length > 0 && length < MAX_PATH ? std::string(full) : path;
    CDocument* document = docTemplate->OpenDocumentFile(fullPath.c_str(), *m_mainFrame);
    if (document && m_recentFiles)
        m_recentFiles->Add(fullPath);
    return document;
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info)
{
    switch (info.shellCommand)
    {
    case CCommandLineInfo::FileNew:
        OnFileNew();
        return true;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.fileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Printing from the shell ends the program once the job is sent.
        m_exitCode = PrintShellFile(info) ? 0 : 1;
        return false;
    case CCommandLineInfo::FileDDE:
    case CCommandLineInfo::FileNothing:
        break;
    }
    return true;
}

bool CWinApp::EnableShellOpen()
{
    m_ddeServer = std::make_unique<CDdeServer>();
    return m_ddeServer->Start(m_appName, [this](const std::string& command) { return OnDDECommand(command); });
}

bool CWinApp::RegisterShellFileTypes()
{
    bool registered = true;
    for (const auto& docTemplate : m_templates)
    {
        if (!docTemplate->GetDocString(CMultiDocTemplate::RegFileTypeId).empty())
            registered = RegisterShellFileType(*docTemplate, m_appName) && registered;
    }
    return registered;
}

bool CWinApp::OnDDECommand(const std::string& command)
{
    static const std::string open = "[open(\"";
    static const std::string close = "\")]";
    bool done = false;
    std::size_t at = 0;
    while (at < command.size())
    {
        if (command.compare(at, open.size(), open) != 0)
            return false;
        const std::size_t end = command.find(close, at + open.size());
        if (end == std::string::npos)
            return false;
        if (!OpenDocumentFile(command.substr(at + open.size(), end - at - open.size())))
            return false;
        done = true;
        at = end + close.size();
    }
    return done;
}

void CWinApp::LoadStdProfileSettings(std::size_t size)
{
    m_recentFiles = std::make_unique<CRecentFileList>(m_profile.Key() + "\\Recent File List", size);
    m_recentFiles->Load();
}

bool CWinApp::PrintShellFile(const CCommandLineInfo& info)
{
    CMultiDocTemplate* docTemplate = DocTemplateFor(info.fileName);
    CDocument* document =
        docTemplate && m_mainFrame ? docTemplate->OpenDocumentFile(info.fileName.c_str(), *m_mainFrame) : nullptr;
    CView* view = document ? m_mainFrame->GetActiveView() : nullptr;
    if (!view)
        return false;
    if (info.shellCommand == CCommandLineInfo::FilePrintTo)
        return view->PrintTo(info.printerName, info.driverName, info.portName);
    return view->PrintDirect();
}

void CWinApp::OnFilePrintSetup()
{
    std::string error;
    if (!m_printers.Setup(m_mainFrame ? m_mainFrame->GetSafeHwnd() : nullptr, error) && !error.empty())
        ShowMessageBox(m_mainFrame ? m_mainFrame->GetSafeHwnd() : nullptr, error, m_appName,
                       MB_OK | MB_ICONEXCLAMATION);
}

void CWinApp::OnFileNew()
{
    if (CMultiDocTemplate* docTemplate = GetDocTemplate())
    {
        if (m_mainFrame)
            docTemplate->OpenDocumentFile(nullptr, *m_mainFrame);
    }
}

void CWinApp::OnFileOpen()
{
    if (m_templates.empty() || !m_mainFrame)
        return;
    // Each template's filter in turn, the first one chosen.
    std::string filter;
    for (const auto& docTemplate : m_templates)
    {
        filter += docTemplate->GetDocString(CMultiDocTemplate::FilterName);
        filter += '\0';
        filter += "*" + docTemplate->GetDocString(CMultiDocTemplate::FilterExt);
        filter += '\0';
    }
    filter += "All Files (*.*)";
    filter += '\0';
    filter += "*.*";
    filter += '\0';
    std::string path;
    if (ShowOpenFileDialog(m_mainFrame->GetSafeHwnd(), filter, path))
        OpenDocumentFile(path);
}

bool CWinApp::OnCommand(UINT id)
{
    switch (id)
    {
    case ID_FILE_NEW:
        OnFileNew();
        return true;
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        return true;
    case ID_APP_EXIT:
        if (m_mainFrame)
            SendMessageA(m_mainFrame->GetSafeHwnd(), WM_CLOSE, 0, 0);
        return true;
    default:
        break;
    }
    if (m_recentFiles && id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST)
    {
        const std::size_t index = id - ID_FILE_MRU_FIRST;
        if (index < m_recentFiles->Files().size())
        {
            const std::string path = m_recentFiles->Files()[index];
            if (!OpenDocumentFile(path))
                m_recentFiles->Remove(index);
        }
        return true;
    }
    return false;
}

bool CWinApp::OnUpdateCommand(CCmdUI& ui)
{
    switch (ui.id)
    {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_PRINT_SETUP:
    case ID_APP_EXIT:
        return true;
    default:
        break;
    }
    if (ui.id >= ID_FILE_MRU_FIRST && ui.id <= ID_FILE_MRU_LAST)
    {
        ui.enabled = m_recentFiles && ui.id - ID_FILE_MRU_FIRST < m_recentFiles->Files().size();
        return true;
    }
    return false;
}
