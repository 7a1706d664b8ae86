#include "PropertyPageClose.h"

#include "DataExchange.h"
#include "PropertyPageIds.h"
#include "SettingNames.h"

CPropertyPageClose::CPropertyPageClose()
    : CPropertyPageOptions(IDD_PAGE_CLOSE)
{
    if (auto store = OpenStore()) {
        m_closeIndentStyle = store->ReadNumber(SettingNames::CloseIndentStyle, 2);
        m_closeNewLineStyle = store->ReadNumber(SettingNames::CloseNewLineStyle, 2);
    }
}

void CPropertyPageClose::DoDataExchange(CDataExchange& dx)
{
    dx.Radio(IDC_CLOSE_INDENT, m_closeIndentStyle);
    dx.Radio(IDC_CLOSE_NEW_LINE, m_closeNewLineStyle);
}
