// What the five options pages share: their stored values, the modified mark on a click, and the preview on Apply.
#include "PropertyPageOptions.h"

#include "PropertySheetOptions.h"
#include "SettingsStoreFactory.h"

std::unique_ptr<ISettingsStore> CPropertyPageOptions::OpenStore()
{
    std::unique_ptr<ISettingsStore> store = CreateSettingsStore();
    if (!store || !store->OpenKey())
        return nullptr;
    return store;
}

int CPropertyPageOptions::ReadPageValue(ISettingsStore* store, FormatOptionMember member)
{
    const FormatOptionSpec& option = FormatOptionOf(member);
    return store ? store->ReadNumber(option.name, option.pageDefault) : option.pageDefault;
}

BOOL CPropertyPageOptions::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    return TRUE;
}

BOOL CPropertyPageOptions::OnApply()
{
    // The members already hold the page's choices (the kill-active exchange
    // ran first), so the preview shows them before anything is saved.
    if (auto* sheet = dynamic_cast<CPropertySheetOptions*>(GetSheet()))
        sheet->RefreshPreview();
    return CPropertyPage::OnApply();
}

bool CPropertyPageOptions::OnCommand(WORD, WORD code, HWND)
{
    if (code != BN_CLICKED)
        return false;
    SetModified();
    return true;
}
