// The metrics list's window: the Format menu's batch over its selection, and the list printed as a report.
#include "MetricsView.h"

#include "BatchRun.h"
#include "BatchSummary.h"
#include "ColumnTreeMetrics.h"
#include "CommandPrompt.h"
#include "FormatCommandTable.h"
#include "MDIFrameWnd.h"
#include "MetricsDoc.h"
#include "MetricsList.h"
#include "MetricsTreeFill.h"
#include "QuilletRes.h"
#include "ReportPage.h"
#include "WinApp.h"

#include <algorithm>

namespace
{

// The Format menu's batch commands and the format command each runs.
struct FormatMenuCommand
{
    UINT id;
    const char* command;
};
const FormatMenuCommand kFormatMenuCommands[] = {
    {ID_FORMAT_FULL, "full"},
    {ID_FORMAT_DELETE_TRAILING, "delete-trailing-whitespace"},
    {ID_FORMAT_TABIFY, "tabify"},
    {ID_FORMAT_UNTABIFY, "untabify"},
    {ID_FORMAT_OPERATOR_EXPAND, "operator-expand"},
    {ID_FORMAT_OPERATOR_CONTRACT, "operator-contract"},
    {ID_FORMAT_PARENTHESES_EXPAND, "parentheses-expand"},
    {ID_FORMAT_PARENTHESES_CONTRACT, "parentheses-contract"},
    {ID_FORMAT_REINDENT, "reindent"},
};

const FormatCommandSet* FormatCommandFor(UINT id)
{
    const auto menu = std::find_if(std::begin(kFormatMenuCommands), std::end(kFormatMenuCommands),
                                   [id](const FormatMenuCommand& entry) { return entry.id == id; });
    return menu == std::end(kFormatMenuCommands) ? nullptr : FindFormatCommandSet(menu->command);
}

// The printed report of the list as it stands when printing starts.
class CMetricsReport : public IPrintedPages
{
public:
    explicit CMetricsReport(const CColumnTree& tree) : m_metrics(tree), m_pages(m_metrics, FrontEnd::Standalone) {}
    int PageCount() const override { return m_pages.PageCount(); }
    void DrawPage(HDC dc, const RECT& area, int page) const override { m_pages.DrawPage(dc, area, page); }

private:
    CColumnTreeMetrics m_metrics;
    CReportPage m_pages;
};

} // namespace

CMetricsView::CMetricsView() = default;

CMetricsDoc& CMetricsView::GetMetricsDoc() const
{
    return *static_cast<CMetricsDoc*>(GetDocument());
}

bool CMetricsView::OnCreateView()
{
    RECT client{};
    GetClientRect(m_hWnd, &client);
    return m_tree.Create(WS_VISIBLE | WS_TABSTOP | CColumnTree::AllDecorations, client, m_hWnd, IDC_METRICS_TREE);
}

void CMetricsView::OnSize(int width, int height)
{
    if (m_tree.GetSafeHwnd())
        MoveWindow(m_tree.GetSafeHwnd(), 0, 0, width, height, TRUE);
}

bool CMetricsView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_SETFOCUS && m_tree.TreeHandle())
    {
        SetFocus(m_tree.TreeHandle());
        result = 0;
        return true;
    }
    return CView::OnMessage(message, wParam, lParam, result);
}

void CMetricsView::OnInitialUpdate()
{
    if (GetMetricsDoc().IsLoaded())
        FillTree();
}

void CMetricsView::FillTree()
{
    m_tree.SetDecorations(CColumnTree::AllDecorations);
    CMetricsTreeFill::AddCountColumns(m_tree);
    // One repaint for the whole list, not one per item.
    SendMessageA(m_tree.TreeHandle(), WM_SETREDRAW, FALSE, 0);
    CMetricsTreeFill::AppendRows(m_tree, GetMetricsDoc().Table(), CMetricsTreeFill::ItemData::None);
    SendMessageA(m_tree.TreeHandle(), WM_SETREDRAW, TRUE, 0);
    RedrawWindow(m_tree.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CMetricsView::UpdateRows(const std::vector<std::size_t>& rows)
{
    CMetricsTreeFill::UpdateRows(m_tree, GetMetricsDoc().Table(), rows);
}

bool CMetricsView::OnCommand(UINT id)
{
    const FormatCommandSet* command = FormatCommandFor(id);
    if (!command)
        return CView::OnCommand(id);
    BatchFormat(id, *command);
    return true;
}

bool CMetricsView::OnUpdateCommand(CCmdUI& ui)
{
    if (!FormatCommandFor(ui.id))
        return CView::OnUpdateCommand(ui);
    // The preview hides the list: a command must not act on a selection the
    // user cannot see.
    const CMDIFrameWnd* frame = CWinApp::Get()->GetMainFrame();
    ui.enabled = !(frame && frame->InPreview());
    return true;
}

std::unique_ptr<IPrintedPages> CMetricsView::OnPreparePrinting()
{
    return std::make_unique<CMetricsReport>(m_tree);
}

void CMetricsView::BatchFormat(UINT commandId, const FormatCommandSet& command)
{
    BatchSettings settings;
    settings.frontEnd = FrontEnd::Standalone;
    settings.workspaceDirectory = GetMetricsDoc().WorkspaceDirectory();
    settings.caption = CWinApp::Get()->AppName();
    CBatchRun::Run(m_tree, command, settings, nullptr,
                   [this, commandId](const BatchReport& report)
                   {
                       GetMetricsDoc().OnFilesRewritten(report);
                       CWinApp::Get()->GetMainFrame()->SetMessageText(
                           BatchSummary(CommandPrompt(commandId, PromptPart::Tip), report));
                   });
}
