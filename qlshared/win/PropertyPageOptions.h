#pragma once

#include "FormatOptionTable.h"
#include "PropertyPage.h"
#include "SettingsStore.h"

#include <memory>

// What the five options pages share: they read their values from the
// settings store when constructed, mark themselves modified when the user
// touches a control, and repaint the sheet's preview when applied.
class CPropertyPageOptions : public CPropertyPage
{
public:
    using CPropertyPage::CPropertyPage;

protected:
    // The settings key opened for reading, or null when it does not open
    // (ReadPageValue then gives the page defaults).
    static std::unique_ptr<ISettingsStore> OpenStore();
    // One option as the page shows it: the stored number, or the option's
    // page default when the value is missing or the key did not open.
    static int ReadPageValue(ISettingsStore* store, FormatOptionMember member);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    // A click on a button of the page marks it modified.
    bool OnCommand(WORD id, WORD code, HWND control) override;
};
