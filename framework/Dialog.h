#pragma once

#include "Wnd.h"

#include <string>

class CDataExchange;

// Dialog from a resource template of the current resource module, modal or
// modeless. Messages reach OnMessage through the dialog procedure; what it
// does not handle goes to the system's dialog handling.
class CDialog : public CWnd
{
public:
    explicit CDialog(UINT templateId = 0);

    // Runs the dialog modally over owner; returns the EndDialog result, or -1
    // when the template cannot be loaded.
    INT_PTR DoModal(HWND owner);
    // Creates the dialog modelessly; false when the template cannot be loaded.
    bool CreateModeless(HWND owner);
    void EndDialog(INT_PTR result);

    // Copies members to controls (false) or controls to members with
    // validation (true); false when a value was refused.
    bool UpdateData(bool saveAndValidate);

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text);

    UINT TemplateId() const { return m_templateId; }

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange& dx);
    // A WM_COMMAND other than OK and Cancel; true when handled.
    virtual bool OnCommand(WORD id, WORD code, HWND control);

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Binds the object on WM_INITDIALOG and routes every message to it.
    static INT_PTR Route(CDialog* self, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
};
