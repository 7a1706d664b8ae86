// The "Format Settings" sheet: its five pages' values gathered, and the preview strip added at their right.
#include "PropertySheetOptions.h"

CPropertySheetOptions::CPropertySheetOptions(HWND owner) : CPropertySheet("Format Settings", owner, 0)
{
    AddPage(&m_pageTabs);
    AddPage(&m_pageOpen);
    AddPage(&m_pageClose);
    AddPage(&m_pageWhiteSpace);
    AddPage(&m_pageMisc);
}

FormatOptions CPropertySheetOptions::PageOptions() const
{
    FormatOptions options;
    options.TabSize = m_pageTabs.m_tabSize;
    options.IndentSize = m_pageTabs.m_indentSize;
    options.SpaceTabStyle = TabConversion{m_pageTabs.m_spaceTabStyle};
    options.OpenIndentStyle = BraceIndent{m_pageOpen.m_openIndentStyle};
    options.OpenNewLineStyle = BracePlacement{m_pageOpen.m_openNewLineStyle};
    options.CloseIndentStyle = BraceIndent{m_pageClose.m_closeIndentStyle};
    options.CloseNewLineStyle = BracePlacement{m_pageClose.m_closeNewLineStyle};
    options.ParenthesesSpace = Spacing{m_pageWhiteSpace.m_parenthesesSpace};
    options.OperatorSpace = Spacing{m_pageWhiteSpace.m_operatorSpace};
    options.DeleteTrailingWhiteSpace = OnOff{m_pageWhiteSpace.m_deleteTrailingWhiteSpace};
    options.RecalculateIndents = OnOff{m_pageMisc.m_recalculateIndents};
    options.SpellCheckComments = OnOff{m_pageMisc.m_spellCheckComments};
    options.SpellCheckText = OnOff{m_pageMisc.m_spellCheckText};
    return options;
}

FormatOptions CPropertySheetOptions::PreviewOptions(const FormatOptions& stored) const
{
    FormatOptions options = PageOptions();
    options.TabSize = stored.TabSize;
    options.SpellCheckComments = OnOff::Off;
    options.SpellCheckText = OnOff::Off;
    options.DeleteTrailingWhiteSpace = OnOff::On;
    return options;
}

void CPropertySheetOptions::RefreshPreview()
{
    HWND preview = m_sample.GetSafeHwnd();
    if (!preview)
        return;
    InvalidateRect(preview, nullptr, TRUE);
    UpdateWindow(preview);
}

BOOL CPropertySheetOptions::OnInitDialog()
{
    BOOL result = CPropertySheet::OnInitDialog();

    RECT window;
    GetWindowRect(m_hWnd, &window);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    SetWindowPos(m_hWnd, nullptr, 0, 0, width + 200, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    // A strip 150 pixels wide in the 200 just added.
    RECT strip = {width + 25, 25, width + 175, height - 50};
    m_sample.Create(m_hWnd, strip);

    CentreOverOwner();
    return result;
}

void CPropertySheetOptions::CentreOverOwner()
{
    RECT area;
    HWND owner = Owner();
    if (owner && IsWindow(owner) && !IsIconic(owner))
    {
        GetWindowRect(owner, &area);
    }
    else
    {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT sheet;
    GetWindowRect(m_hWnd, &sheet);
    int width = sheet.right - sheet.left;
    int height = sheet.bottom - sheet.top;
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
