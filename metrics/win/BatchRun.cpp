// A batch run of either Windows front end, from its progress dialog to the skipped files' message.

#include "BatchRun.h"

#include "BatchProgressDlg.h"
#include "ColumnTreeMetrics.h"
#include "FormatCommandCall.h"
#include "ProgressCaption.h"
#include "ProgressDlg.h"
#include "SkippedFiles.h"
#include "WinMessageSink.h"

void CBatchRun::Run(const CColumnTree& tree, const FormatCommandSet& command, BatchSettings settings, CWnd* parent,
                    const Finished& finished)
{
    settings.fullFormat = command.usesStoredOptions;
    // The window the progress dialog disables is the one it hands back.
    const HWND returnTo = CWnd::GetSafeOwner(parent ? parent->m_hWnd : nullptr);
    CProgressDlg dialog(ProgressCaptionId(settings.frontEnd));
    dialog.Create(parent);
    CBatchProgressDlg progress(dialog);
    const FormatStep format = [&command, &dialog](const std::string& text, IProgressSink&)
    { return RunFormatCommand(command, text, &dialog); };
    CWinMessageSink questions(dialog.GetSafeHwnd());
    const BatchReport report =
        CBatchFormatter(CColumnTreeMetrics(tree), settings, format, progress, questions).BatchFormat();
    dialog.DestroyWindow();
    if (finished)
        finished(report);
    CWinMessageSink afterRun(returnTo);
    CSkippedFiles(report).Report(afterRun, settings.caption);
}
