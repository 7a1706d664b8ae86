#pragma once

#include "FormatOptions.h"
#include "PropertyPageClose.h"
#include "PropertyPageMisc.h"
#include "PropertyPageOpen.h"
#include "PropertyPageTabs.h"
#include "PropertyPageWhiteSpace.h"
#include "PropertySheet.h"
#include "SampleWnd.h"

// The "Format Settings" sheet: the five options pages and, in a strip added
// to their right, the preview of their values.
class CPropertySheetOptions : public CPropertySheet
{
public:
    explicit CPropertySheetOptions(HWND owner);

    // The thirteen values as the pages hold them, to be saved after OK.
    FormatOptions PageOptions() const;
    // What the preview formats with: the pages' values but the stored tab
    // size, without spell checks and always deleting trailing white space.
    FormatOptions PreviewOptions(const FormatOptions& stored) const;
    // Repaints the preview at once.
    void RefreshPreview();

    CPropertyPageTabs m_pageTabs;
    CPropertyPageOpen m_pageOpen;
    CPropertyPageClose m_pageClose;
    CPropertyPageWhiteSpace m_pageWhiteSpace;
    CPropertyPageMisc m_pageMisc;
    CSampleWnd m_sample;

protected:
    BOOL OnInitDialog() override;

private:
    void CentreOverOwner();
};
