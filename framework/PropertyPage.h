#pragma once

#include "Dialog.h"

#include <commctrl.h>

class CPropertySheet;

// One page of a property sheet, on a child dialog template whose caption is
// the tab text. The sheet's notifications arrive here as virtual calls.
class CPropertyPage : public CDialog
{
public:
    explicit CPropertyPage(UINT templateId);

    // The description comctl32 needs to create this page.
    PROPSHEETPAGEA Describe();

    // Marks the page changed, which enables the sheet's Apply button.
    void SetModified(bool modified = true);
    CPropertySheet* GetSheet() const;

protected:
    // Apply or OK: true accepts. The framework's own apply accepts.
    virtual BOOL OnApply();
    // Leaving the page, or Apply and OK: copies the controls into the
    // members; false keeps the page open.
    virtual BOOL OnKillActive();
    virtual BOOL OnSetActive();

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
