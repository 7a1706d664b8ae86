#include "PropertyPageMisc.h"

#include "DataExchange.h"
#include "PropertyPageIds.h"
#include "SettingNames.h"

CPropertyPageMisc::CPropertyPageMisc()
    : CPropertyPageOptions(IDD_PAGE_MISC)
{
    if (auto store = OpenStore()) {
        m_spellCheckComments = store->ReadNumber(SettingNames::SpellCheckComments, 0);
        m_spellCheckText = store->ReadNumber(SettingNames::SpellCheckText, 0);
        m_recalculateIndents = store->ReadNumber(SettingNames::RecalculateIndents, 0);
    }
}

void CPropertyPageMisc::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_SPELL_COMMENTS, m_spellCheckComments);
    dx.Check(IDC_SPELL_TEXT, m_spellCheckText);
    dx.Check(IDC_RECALCULATE, m_recalculateIndents);
}
