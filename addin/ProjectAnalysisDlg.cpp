// The Project Analysis dialog: the host's projects with their counts, and its batch and print commands.
#include "ProjectAnalysisDlg.h"

#include "BatchRun.h"
#include "ColumnTreeMetrics.h"
#include "FormatCommandTable.h"
#include "MessageBoxSeam.h"
#include "MetricsList.h"
#include "MetricsTreeFill.h"
#include "ProgressCaption.h"
#include "QLAddInRes.h"
#include "QLShared.h"
#include "ReportPrintJob.h"

namespace
{

constexpr UINT_PTR FillTimer = 1;
constexpr UINT FillDelayMilliseconds = 50;

// The batch buttons and the format command each runs.
struct BatchButton
{
    WORD id;
    const char* command;
};

constexpr BatchButton BatchButtons[] = {
    {IDC_FULL_FORMAT, "full"},
    {IDC_TABIFY, "tabify"},
    {IDC_UNTABIFY, "untabify"},
    {IDC_PARENTHESES_EXPAND, "parentheses-expand"},
    {IDC_PARENTHESES_CONTRACT, "parentheses-contract"},
    {IDC_OPERATOR_EXPAND, "operator-expand"},
    {IDC_OPERATOR_CONTRACT, "operator-contract"},
    {IDC_REINDENT, "reindent"},
};

} // namespace

CProjectAnalysisDlg::CProjectAnalysisDlg()
    : CDialog(IDD_PROJECT_ANALYSIS), m_tree(std::make_unique<CColumnTree>()),
      m_loading(ProgressCaptionId(FrontEnd::AddIn)),
      m_reader(m_table, FrontEnd::AddIn, SourceCounters{&GetLineCount, &GetCommentCount},
               [this](const std::string& text) { m_loading.SetStatus(text); })
{
}

CProjectAnalysisDlg::~CProjectAnalysisDlg() = default;

void CProjectAnalysisDlg::OpenLoadingDialog()
{
    m_loading.Create(nullptr);
    m_loading.SetStatus("Initializing");
}

void CProjectAnalysisDlg::AddProject(const std::string& projectPath)
{
    std::string error;
    m_reader.AddProject(projectPath, error);
}

void CProjectAnalysisDlg::CloseLoadingDialog()
{
    m_loading.DestroyWindow();
}

BOOL CProjectAnalysisDlg::OnInitDialog()
{
    m_tree->SubclassDlgItem(m_hWnd, IDC_PROJECT_TREE);
    // The tree is filled once the dialog is visible, not while it loads.
    SetTimer(m_hWnd, FillTimer, FillDelayMilliseconds, nullptr);
    return TRUE;
}

bool CProjectAnalysisDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_TIMER)
    {
        KillTimer(m_hWnd, wParam);
        FillTree();
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}

bool CProjectAnalysisDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_FORMAT_SETTINGS)
    {
        DoPropertySheet(this);
        return true;
    }
    if (id == IDC_PRINT_REPORT)
    {
        PrintReport();
        return true;
    }
    for (const BatchButton& button : BatchButtons)
    {
        if (button.id == id)
        {
            if (const FormatCommandSet* command = FindFormatCommandSet(button.command))
                BatchFormat(*command);
            return true;
        }
    }
    return CDialog::OnCommand(id, code, control);
}

void CProjectAnalysisDlg::PrintReport()
{
    std::string error;
    if (!CReportPrintJob::Run(m_hWnd, CColumnTreeMetrics(*m_tree), error) && !error.empty())
        ShowMessageBox(m_hWnd, error, "Quillet", MB_OK | MB_ICONEXCLAMATION);
}

void CProjectAnalysisDlg::FillTree()
{
    CMetricsTreeFill::AddCountColumns(*m_tree);
    CMetricsTreeFill::AppendRows(*m_tree, m_table, CMetricsTreeFill::ItemData::Directories);
    InvalidateRect(m_tree->m_hWnd, nullptr, TRUE);
    UpdateWindow(m_tree->m_hWnd);
}

void CProjectAnalysisDlg::BatchFormat(const FormatCommandSet& command)
{
    // The dialog owns the progress dialog, so it stays disabled for the whole
    // run; a press that still reaches it while the run pumps messages starts
    // no second run inside this one.
    if (m_batchRunning)
        return;
    m_batchRunning = true;
    BatchSettings settings;
    settings.frontEnd = FrontEnd::AddIn;
    CBatchRun::Run(*m_tree, command, settings, this);
    m_batchRunning = false;
}
