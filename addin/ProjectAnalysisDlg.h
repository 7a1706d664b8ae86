#pragma once

#include "ColumnTree.h"
#include "Dialog.h"
#include "MetricsTable.h"
#include "ProgressDlg.h"
#include "ProjectReader.h"

#include <memory>
#include <string>
#include <vector>

struct FormatCommandSet;

// The "Project Analysis" dialog: the host's projects with their line and
// comment counts, and the batch commands over the files chosen in it. It is
// filled while still invisible, with the loading dialog showing progress,
// and fills its tree once it is visible.
class CProjectAnalysisDlg : public CDialog
{
public:
    CProjectAnalysisDlg();
    ~CProjectAnalysisDlg() override;

    // Loading, before the dialog runs.
    void OpenLoadingDialog();
    void AddProject(const std::string& projectPath);
    void CloseLoadingDialog();

    // "file: cause" for each project file that could not be read.
    const std::vector<std::string>& Failures() const { return m_reader.Failures(); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void FillTree();
    void BatchFormat(const FormatCommandSet& command);
    // The list's report on a printer the user picks.
    void PrintReport();

    std::unique_ptr<CColumnTree> m_tree;
    MetricsTable m_table;
    CProgressDlg m_loading;
    CProjectReader m_reader;
    bool m_batchRunning = false;
};
