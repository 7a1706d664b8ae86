// Quillet's start-up: the workspace and solution templates, the main frame, and the shell's requests.
#include "QuilletApp.h"

#include "CommonControls.h"
#include "MainFrame.h"
#include "MetricsDoc.h"
#include "MetricsView.h"
#include "MultiDocTemplate.h"
#include "QuilletRes.h"

#include <shellapi.h>

namespace
{

const char kCompany[] = "Tamsel Software";
const std::size_t kRecentFileCount = 10;

} // namespace

CQuilletApp::CQuilletApp() : CWinApp("Quillet") {}

bool CQuilletApp::InitInstance(const std::vector<std::string>& args)
{
    InitCommonControlClasses();
    SetRegistryKey(kCompany);
    LoadStdProfileSettings(kRecentFileCount);
    const auto makeDocument = [] { return std::make_unique<CMetricsDoc>(); };
    const auto makeView = [] { return std::make_unique<CMetricsView>(); };
    AddDocTemplate(std::make_unique<CMultiDocTemplate>(IDR_QLTRTYPE, makeDocument, makeView));
    // Visual Studio solutions in the same windows, opened by the same reader.
    AddDocTemplate(std::make_unique<CMultiDocTemplate>(IDR_QLTRTYPE, makeDocument, makeView, IDS_SOLUTIONTYPE));

    auto frame = std::make_unique<CMainFrame>(*this);
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN))
        return false;
    SetMainFrame(std::move(frame));
    DragAcceptFiles(GetMainFrame()->GetSafeHwnd(), TRUE);
    EnableShellOpen();
    RegisterShellFileTypes();

    CCommandLineInfo info = CCommandLineInfo::Parse(args);
    // The program starts without an empty document.
    if (info.shellCommand == CCommandLineInfo::FileNew)
        info.shellCommand = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(info))
        return false;

    ShowWindow(GetMainFrame()->GetSafeHwnd(), m_showCommand);
    UpdateWindow(GetMainFrame()->GetSafeHwnd());
    return true;
}
