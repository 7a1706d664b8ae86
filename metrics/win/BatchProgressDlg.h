#pragma once

#include "BatchProgress.h"
#include "ProgressDlg.h"

// The progress dialog as a batch run sees it. The engine reports its
// percentages to the dialog's window itself, through the formatting exports.
class CBatchProgressDlg : public IBatchProgress
{
public:
    explicit CBatchProgressDlg(CProgressDlg& dialog) : m_dialog(dialog) {}

    void SetStatus(const std::string& text) override { m_dialog.SetStatus(text); }
    void FileStarted(const std::string& itemText) override { m_dialog.SetStatus(FormattingFileStatus(itemText)); }
    bool IsCancelled() const override { return m_dialog.m_bCancel != FALSE; }
    void OnProgress(int percent) override { m_dialog.SetPos(percent); }

private:
    CProgressDlg& m_dialog;
};
