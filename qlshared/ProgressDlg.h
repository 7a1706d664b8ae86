#pragma once

#include "Dialog.h"
#include "ProgressCtrl.h"

#include <chrono>
#include <string>

// Modeless progress dialog: status line, bar, percentage and Cancel. Each
// module that shows one links its code and its own copy of the template
// (metrics/win); a pointer to it crosses QLShared.dll's formatting exports,
// which reach only its window and send it WM_USER with the percentage in
// lParam. While it exists its owner is disabled, so no second command can
// start.
class CProgressDlg : public CDialog
{
public:
    // captionId: the caption string in the calling module's resources
    // (ProgressCaptionId gives each front end's).
    explicit CProgressDlg(UINT captionId);
    ~CProgressDlg() override;

    // Disables the owner and shows the dialog; parent null means the
    // module's main window.
    BOOL Create(CWnd* parent = nullptr);
    BOOL DestroyWindow() override;

    void SetStatus(const std::string& text);
    // Dispatches pending messages, then moves the bar and shows the
    // percentage: at the first call, at the end of the range, and otherwise
    // at most twenty times a second. Returns the previous position.
    int SetPos(int position);

    // Set by Cancel and Escape; the caller's loop reads it and ends the run.
    BOOL m_bCancel = FALSE;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The engine's progress message: lParam is the percentage done.
    virtual LRESULT OnProgressMessage(WPARAM wParam, LPARAM lParam);

private:
    void ReEnableParent();
    void PumpMessages();
    void UpdatePercent(int position);

    CProgressCtrl m_progress;
    UINT m_captionId;
    int m_lower = 0;
    int m_upper = 100;
    int m_step = 10;
    int m_position = 0;
    bool m_shown = false; // a position since the dialog was created
    std::chrono::steady_clock::time_point m_shownAt;
    BOOL m_parentDisabled = FALSE;
    HWND m_owner = nullptr;
};
