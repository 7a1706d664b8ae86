// The Misc page: indent recalculation and the two spell checks, read from the store and exchanged with its controls.
#include "PropertyPageMisc.h"

#include "DataExchange.h"
#include "PropertyPageIds.h"

CPropertyPageMisc::CPropertyPageMisc() : CPropertyPageOptions(IDD_PAGE_MISC)
{
    const std::unique_ptr<ISettingsStore> store = OpenStore();
    m_spellCheckComments = ReadPageValue(store.get(), &FormatOptions::SpellCheckComments);
    m_spellCheckText = ReadPageValue(store.get(), &FormatOptions::SpellCheckText);
    m_recalculateIndents = ReadPageValue(store.get(), &FormatOptions::RecalculateIndents);
}

void CPropertyPageMisc::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_SPELL_COMMENTS, m_spellCheckComments);
    dx.Check(IDC_SPELL_TEXT, m_spellCheckText);
    dx.Check(IDC_RECALCULATE, m_recalculateIndents);
}
