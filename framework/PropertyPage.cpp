// One page of a property sheet, with the sheet's notifications turned into virtual calls.
#include "PropertyPage.h"

#include "PropertySheet.h"
#include "ResourceModule.h"

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {}

PROPSHEETPAGEA CPropertyPage::Describe()
{
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = CurrentResourceModule();
    page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

void CPropertyPage::SetModified(bool modified)
{
    HWND sheet = GetParent(m_hWnd);
    if (!sheet)
        return;
    SendMessageA(sheet, modified ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

CPropertySheet* CPropertyPage::GetSheet() const
{
    return dynamic_cast<CPropertySheet*>(FromHandle(GetParent(m_hWnd)));
}

BOOL CPropertyPage::OnApply()
{
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(true);
}

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

bool CPropertyPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY)
        return CDialog::OnMessage(message, wParam, lParam, result);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (header->code)
    {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_KILLACTIVE:
        // TRUE keeps the page open.
        result = OnKillActive() ? FALSE : TRUE;
        return true;
    case PSN_APPLY:
    {
        bool accepted = OnApply() != FALSE;
        result = accepted ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        // lParam is TRUE when the apply comes from OK rather than Apply.
        if (accepted && reinterpret_cast<const PSHNOTIFY*>(lParam)->lParam)
            if (CPropertySheet* sheet = GetSheet())
                sheet->NoteClosingButton(IDOK);
        return true;
    }
    case PSN_RESET:
        if (CPropertySheet* sheet = GetSheet())
            sheet->NoteClosingButton(IDCANCEL);
        return false;
    default:
        return CDialog::OnMessage(message, wParam, lParam, result);
    }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CPropertyPage* creating = nullptr;
    if (message == WM_INITDIALOG)
        creating = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    return Route(creating, hwnd, message, wParam, lParam);
}
