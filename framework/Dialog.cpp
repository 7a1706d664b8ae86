// Dialogs from resource templates, modal or modeless, with their messages routed to the dialog object.
#include "Dialog.h"

#include "DataExchange.h"
#include "ResourceModule.h"

#include <vector>

CDialog::CDialog(UINT templateId) : m_templateId(templateId) {}

INT_PTR CDialog::DoModal(HWND owner)
{
    return DialogBoxParamA(CurrentResourceModule(), MAKEINTRESOURCEA(m_templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::CreateModeless(HWND owner)
{
    return CreateDialogParamA(CurrentResourceModule(), MAKEINTRESOURCEA(m_templateId), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    ::EndDialog(m_hWnd, result);
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

std::string CDialog::GetItemText(int id) const
{
    HWND control = GetDlgItem(id);
    int length = control ? GetWindowTextLengthA(control) : 0;
    std::vector<char> buffer(length + 1);
    if (control)
        GetWindowTextA(control, buffer.data(), length + 1);
    return buffer.data();
}

void CDialog::SetItemText(int id, const std::string& text)
{
    SetDlgItemTextA(m_hWnd, id, text.c_str());
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::OnCommand(WORD, WORD, HWND)
{
    return false;
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message)
    {
    case WM_INITDIALOG:
        result = OnInitDialog();
        return true;
    case WM_COMMAND:
    {
        WORD id = LOWORD(wParam);
        WORD code = HIWORD(wParam);
        HWND control = reinterpret_cast<HWND>(lParam);
        if (id == IDOK && code == BN_CLICKED)
        {
            OnOK();
            return true;
        }
        if (id == IDCANCEL && code == BN_CLICKED)
        {
            OnCancel();
            return true;
        }
        return OnCommand(id, code, control);
    }
    default:
        return false;
    }
}

INT_PTR CDialog::Route(CDialog* self, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG && self)
        self->Bind(hwnd);
    else
        self = static_cast<CDialog*>(FromHandle(hwnd));
    if (!self)
        return FALSE;

    LRESULT result = 0;
    bool handled = self->OnMessage(message, wParam, lParam, result);
    if (message == WM_NCDESTROY)
    {
        self->Unbind();
        self->OnFinalDestroy();
        return FALSE;
    }
    if (!handled)
        return FALSE;
    switch (message)
    {
    // These answer through the procedure's own result.
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(result);
    default:
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* creating = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : nullptr;
    return Route(creating, hwnd, message, wParam, lParam);
}
