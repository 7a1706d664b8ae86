// The modeless progress dialog of formatting runs, with Cancel; it redraws at most every 50 ms, as Wine redraws slowly.
#include "ProgressDlg.h"

#include "CommonControls.h"
#include "DataExchange.h"
#include "ProgressDlgRes.h"
#include "ResourceModule.h"

#include <chrono>
#include <cstdio>

namespace
{

// Reports are shown, and the messages waiting served, at most this often (in
// milliseconds), and always at the first report and at the end of the range.
// The engine reports every whole percent, several times for each line of a
// small file, and under Wine moving the bar, setting a text or looking at
// the queue each costs more than formatting such a line.
const std::chrono::milliseconds kShowInterval(50);

} // namespace

CProgressDlg::CProgressDlg(UINT captionId) : CDialog(IDD_PROGRESS), m_captionId(captionId) {}

CProgressDlg::~CProgressDlg()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CProgressDlg::Create(CWnd* parent)
{
    InitCommonControlClasses();
    m_owner = GetSafeOwner(parent ? parent->m_hWnd : nullptr);
    if (m_owner && IsWindowEnabled(m_owner))
    {
        EnableWindow(m_owner, FALSE);
        m_parentDisabled = TRUE;
    }
    if (!CreateModeless(m_owner))
    {
        ReEnableParent();
        return FALSE;
    }
    return TRUE;
}

void CProgressDlg::ReEnableParent()
{
    if (m_parentDisabled && m_owner)
        EnableWindow(m_owner, TRUE);
    m_parentDisabled = FALSE;
}

BOOL CProgressDlg::DestroyWindow()
{
    ReEnableParent();
    return CDialog::DestroyWindow();
}

void CProgressDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_PROGRESS_BAR, m_progress);
}

BOOL CProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_progress.SetRange(m_lower, m_upper);
    m_progress.SetStep(m_step);
    m_progress.SetPos(m_lower);
    SetWindowTextA(m_hWnd, LoadResourceString(m_captionId).c_str());
    return TRUE;
}

void CProgressDlg::OnOK()
{
    // Enter must not end a run: only the caller closes this dialog.
}

void CProgressDlg::OnCancel()
{
    m_bCancel = TRUE;
}

void CProgressDlg::SetStatus(const std::string& text)
{
    SetItemText(IDC_PROGRESS_STATUS, text);
}

int CProgressDlg::SetPos(int position)
{
    const int previous = m_position;
    m_position = position;
    // Not the tick count, which Wine moves only now and then.
    const auto now = std::chrono::steady_clock::now();
    if (m_shown && position != m_upper && now - m_shownAt < kShowInterval)
        return previous;
    m_shown = true;
    m_shownAt = now;
    PumpMessages();
    m_progress.SetPos(position);
    UpdatePercent(position);
    return previous;
}

void CProgressDlg::PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            // The quit request belongs to the thread's own loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!m_hWnd || !IsDialogMessageA(m_hWnd, &msg))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void CProgressDlg::UpdatePercent(int position)
{
    int percent = (position - m_lower) * 100 / (m_upper - m_lower);
    char text[16];
    std::snprintf(text, sizeof(text), "%d%c", percent == 100 ? percent : percent % 100, '%');
    // Setting an unchanged text would only make the control flicker.
    if (GetItemText(IDC_PROGRESS_PERCENT) != text)
        SetItemText(IDC_PROGRESS_PERCENT, text);
}

LRESULT CProgressDlg::OnProgressMessage(WPARAM, LPARAM lParam)
{
    SetPos(static_cast<int>(lParam));
    return 0;
}

bool CProgressDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_USER)
    {
        result = OnProgressMessage(wParam, lParam);
        return true;
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}
