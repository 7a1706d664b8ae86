// Property sheets over comctl32's, run by their own modal loop so that the button that closed them is known.
#include "PropertySheet.h"

#include "ResourceModule.h"

namespace
{

// comctl32 calls back without any user data; the sheet being created is
// remembered here for that one call.
thread_local CPropertySheet* t_creating = nullptr;

} // namespace

CPropertySheet::CPropertySheet(const std::string& caption, HWND owner, UINT firstPage)
    : m_caption(caption), m_owner(owner), m_firstPage(firstPage)
{
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
}

bool CPropertySheet::Create()
{
    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* page : m_pages)
        pages.push_back(page->Describe());

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
    header.hwndParent = m_owner;
    header.hInstance = CurrentResourceModule();
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = m_firstPage;
    header.ppsp = pages.data();
    header.pfnCallback = SheetCallback;

    m_result = IDCANCEL;
    t_creating = this;
    INT_PTR created = PropertySheetA(&header);
    t_creating = nullptr;
    return created != 0 && created != -1 && m_hWnd;
}

bool CPropertySheet::IsFinished() const
{
    return !m_hWnd || !IsWindow(m_hWnd) || SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0;
}

INT_PTR CPropertySheet::DoModal()
{
    HWND owner = m_owner;
    bool disabledOwner = owner && IsWindowEnabled(owner);
    if (!Create())
        return IDCANCEL;
    if (disabledOwner)
        EnableWindow(owner, FALSE);

    MSG msg;
    while (!IsFinished())
    {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
        {
            // Leave the quit request for the loop that owns the thread.
            PostQuitMessage(static_cast<int>(msg.wParam));
            m_result = IDCANCEL;
            break;
        }
        if (got == -1)
            break;
        if (!SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg)))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    // The owner comes back first so that activation returns to it.
    if (disabledOwner)
        EnableWindow(owner, TRUE);
    DestroyWindow();
    return m_result;
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && t_creating)
    {
        CPropertySheet* sheet = t_creating;
        sheet->SubclassWindow(hwnd);
        sheet->OnInitDialog();
    }
    return 0;
}
