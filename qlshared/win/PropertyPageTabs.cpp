// The Tabs page: tab and indent sizes checked to 0..20, and the conversion of leading white space.
#include "PropertyPageTabs.h"

#include "DataExchange.h"
#include "PropertyPageIds.h"

CPropertyPageTabs::CPropertyPageTabs() : CPropertyPageOptions(IDD_PAGE_TABS)
{
    const std::unique_ptr<ISettingsStore> store = OpenStore();
    m_indentSize = ReadPageValue(store.get(), &FormatOptions::IndentSize);
    m_tabSize = ReadPageValue(store.get(), &FormatOptions::TabSize);
    m_spaceTabStyle = ReadPageValue(store.get(), &FormatOptions::SpaceTabStyle);
}

void CPropertyPageTabs::DoDataExchange(CDataExchange& dx)
{
    // Indent Size first: when both boxes are wrong, it is the one reported.
    dx.Integer(IDC_INDENT_SIZE, m_indentSize, 0, 20);
    dx.Integer(IDC_TAB_SIZE, m_tabSize, 0, 20);
    dx.Radio(IDC_TABS_TO_SPACES, m_spaceTabStyle);
}

bool CPropertyPageTabs::OnCommand(WORD id, WORD code, HWND control)
{
    if ((id == IDC_TAB_SIZE || id == IDC_INDENT_SIZE) && code == EN_CHANGE)
    {
        SetModified();
        return true;
    }
    return CPropertyPageOptions::OnCommand(id, code, control);
}
