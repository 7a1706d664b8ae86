#include "MetricsView.h"

#include "BatchFormatter.h"
#include "BatchSummary.h"
#include "ColumnTreeMetrics.h"
#include "CommandPrompt.h"
#include "FormatCommandTable.h"
#include "MDIFrameWnd.h"
#include "MetricsDoc.h"
#include "MetricsList.h"
#include "MetricsTreeFill.h"
#include "ProgressDlgBatch.h"
#include "QLShared.h"
#include "QuilletRes.h"
#include "ReportPage.h"
#include "SkippedFiles.h"
#include "WinApp.h"
#include "WinMessageSink.h"

#include <algorithm>
#include <cstring>

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
    if (menu == std::end(kFormatMenuCommands))
        return nullptr;
    const auto set =
        std::find_if(std::begin(FormatCommandSets), std::end(FormatCommandSets),
                     [&](const FormatCommandSet& entry) { return std::strcmp(entry.name, menu->command) == 0; });
    return set == std::end(FormatCommandSets) ? nullptr : &*set;
}

// The printed report of the list as it stands when printing starts.
class CMetricsReport : public IPrintedPages
{
public:
    explicit CMetricsReport(const CColumnTree& tree)
        : m_metrics(tree), m_pages(m_metrics, CReportPage::Flavour::Program)
    {
    }
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
    CProgressDlg dialog;
    dialog.Create();
    CProgressDlgBatch progress(dialog);
    BatchSettings settings;
    settings.frontEnd = BatchSettings::FrontEnd::Standalone;
    settings.workspaceDirectory = GetMetricsDoc().WorkspaceDirectory();
    settings.fullFormat = command.usesStoredOptions;
    settings.caption = CWinApp::Get()->AppName();
    const SpecialFormatValues& v = command.values;
    const FormatStep format = [&](const std::string& text, IProgressSink&)
    {
        if (command.usesStoredOptions)
            return FormatText(text, &dialog);
        return SpecialFormatText(text, &dialog, static_cast<int>(v.ParenthesesSpace), static_cast<int>(v.OperatorSpace),
                                 static_cast<int>(v.SpaceTabStyle), static_cast<int>(v.OpenNewLineStyle),
                                 static_cast<int>(v.CloseNewLineStyle), static_cast<int>(v.RecalculateIndents),
                                 static_cast<int>(v.SpellCheckText), static_cast<int>(v.SpellCheckComments),
                                 static_cast<int>(v.DeleteTrailingWhiteSpace));
    };
    CWinMessageSink messages(dialog.GetSafeHwnd());
    const CColumnTreeMetrics tree(m_tree);
    const BatchReport report = CBatchFormatter(tree, settings, format, progress, messages).BatchFormat();
    dialog.DestroyWindow();
    GetMetricsDoc().OnFilesRewritten(report);
    CWinApp::Get()->GetMainFrame()->SetMessageText(BatchSummary(CommandPrompt(commandId, PromptPart::Tip), report));
    CWinMessageSink afterRun(GetAncestor(m_hWnd, GA_ROOT));
    CSkippedFiles(report).Report(afterRun, settings.caption);
}
