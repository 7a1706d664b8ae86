#pragma once

#include "PropertyPage.h"

#include <string>
#include <vector>

// A property sheet over comctl32's, created modeless and run by its own modal
// loop. The pages report which button is closing it (comctl32 presses its
// buttons without any command message), so Apply followed by Cancel still
// ends in IDCANCEL.
class CPropertySheet : public CWnd
{
public:
    CPropertySheet(const std::string& caption, HWND owner, UINT firstPage = 0);

    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const { return m_pages[index]; }
    HWND Owner() const { return m_owner; }

    // Shows the sheet modally over its owner; IDOK or IDCANCEL.
    INT_PTR DoModal();

    // Shows the sheet modelessly; DoModal runs on top of this.
    bool Create();
    // True once OK or Cancel has ended the sheet (or it was never created).
    bool IsFinished() const;
    // IDOK when the sheet ended by OK, else IDCANCEL.
    INT_PTR Result() const { return m_result; }
    // Told by the pages: an apply that comes from OK, or a cancel.
    void NoteClosingButton(INT_PTR result) { m_result = result; }

protected:
    // Runs once the sheet and its first page exist, before the sheet is seen.
    virtual BOOL OnInitDialog();

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);

    std::string m_caption;
    HWND m_owner;
    UINT m_firstPage;
    std::vector<CPropertyPage*> m_pages;
    INT_PTR m_result = IDCANCEL;
};
