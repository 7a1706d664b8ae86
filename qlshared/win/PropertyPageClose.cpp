// The Close Brace page: a closing brace's indenting and placement, read from the store and exchanged with its controls.
#include "PropertyPageClose.h"

#include "DataExchange.h"
#include "PropertyPageIds.h"

CPropertyPageClose::CPropertyPageClose() : CPropertyPageOptions(IDD_PAGE_CLOSE)
{
    const std::unique_ptr<ISettingsStore> store = OpenStore();
    m_closeIndentStyle = ReadPageValue(store.get(), &FormatOptions::CloseIndentStyle);
    m_closeNewLineStyle = ReadPageValue(store.get(), &FormatOptions::CloseNewLineStyle);
}

void CPropertyPageClose::DoDataExchange(CDataExchange& dx)
{
    dx.Radio(IDC_CLOSE_INDENT, m_closeIndentStyle);
    dx.Radio(IDC_CLOSE_NEW_LINE, m_closeNewLineStyle);
}
