// The Open Brace page: an opening brace's indenting and placement, read from the store and exchanged with its controls.
#include "PropertyPageOpen.h"

#include "DataExchange.h"
#include "PropertyPageIds.h"

CPropertyPageOpen::CPropertyPageOpen() : CPropertyPageOptions(IDD_PAGE_OPEN)
{
    const std::unique_ptr<ISettingsStore> store = OpenStore();
    m_openIndentStyle = ReadPageValue(store.get(), &FormatOptions::OpenIndentStyle);
    m_openNewLineStyle = ReadPageValue(store.get(), &FormatOptions::OpenNewLineStyle);
}

void CPropertyPageOpen::DoDataExchange(CDataExchange& dx)
{
    dx.Radio(IDC_OPEN_INDENT, m_openIndentStyle);
    dx.Radio(IDC_OPEN_NEW_LINE, m_openNewLineStyle);
}
