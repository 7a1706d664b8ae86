#pragma once

#include "BatchProgress.h"
#include "ProgressDlg.h"

// A batch run's view of its progress dialog.
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
