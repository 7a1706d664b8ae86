// The export DoPropertySheet: shows the options sheet over the caller's
// window, with this library's page templates.

#include "QLShared.h"

#include "FormatGuard.h"
#include "FormatSettings.h"
#include "PropertySheetOptions.h"
#include "ResourceModule.h"
#include "SettingsStoreFactory.h"
#include "WinMessageSink.h"
#include "Wnd.h"

// Entry point number reported when the sheet fails unexpectedly.
constexpr int DoPropertySheetEntryPoint = 1002;

void DoPropertySheet(CWnd* owner)
{
    try
    {
        // The page templates are this library's, whoever calls.
        CResourceModule resources(OwnModule());
        CPropertySheetOptions sheet(owner ? owner->GetSafeHwnd() : nullptr);
        if (sheet.DoModal() != IDOK)
            return;
        // Pages never shown still hold what they read, so all thirteen
        // values are written; a missing key is created.
        std::unique_ptr<ISettingsStore> store = CreateSettingsStore();
        SaveFormatOptions(*store, sheet.PageOptions());
    }
    catch (...)
    {
        CWinMessageSink().Show(EntryPointErrorText(DoPropertySheetEntryPoint), LibraryCaption, MessageStyle::Ok);
    }
}
