#include "PropertyPageOpen.h"

#include "DataExchange.h"
#include "PropertyPageIds.h"
#include "SettingNames.h"

CPropertyPageOpen::CPropertyPageOpen()
    : CPropertyPageOptions(IDD_PAGE_OPEN)
{
    if (auto store = OpenStore()) {
        m_openIndentStyle = store->ReadNumber(SettingNames::OpenIndentStyle, 2);
        m_openNewLineStyle = store->ReadNumber(SettingNames::OpenNewLineStyle, 2);
    }
}

void CPropertyPageOpen::DoDataExchange(CDataExchange& dx)
{
    dx.Radio(IDC_OPEN_INDENT, m_openIndentStyle);
    dx.Radio(IDC_OPEN_NEW_LINE, m_openNewLineStyle);
}
