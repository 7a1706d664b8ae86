#include "PropertyPageTabs.h"

#include "DataExchange.h"
#include "PropertyPageIds.h"
#include "SettingNames.h"

CPropertyPageTabs::CPropertyPageTabs()
    : CPropertyPageOptions(IDD_PAGE_TABS)
{
    if (auto store = OpenStore()) {
        m_indentSize = store->ReadNumber(SettingNames::IndentSize, 4);
        m_tabSize = store->ReadNumber(SettingNames::TabSize, 4);
        m_spaceTabStyle = store->ReadNumber(SettingNames::SpaceTabStyle, 2);
    }
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
    if ((id == IDC_TAB_SIZE || id == IDC_INDENT_SIZE) && code == EN_CHANGE) {
        SetModified();
        return true;
    }
    return CPropertyPageOptions::OnCommand(id, code, control);
}
