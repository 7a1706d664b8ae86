#pragma once

#include <windows.h>

class CDialog;
class CWnd;

// One copy between a dialog's members and its controls, in either direction.
// When saving, the first refused value shows its message, takes the focus
// back to its control and makes every later exchange of the pass a no-op.
class CDataExchange
{
public:
    CDataExchange(CDialog& dialog, bool saveAndValidate);

    bool Saving() const { return m_save; }
    bool Failed() const { return m_failed; }

    // A radio group starting at firstId, in tab order up to the next group:
    // the index of the checked button, -1 when none is checked. A value
    // outside the group checks no button.
    void Radio(int firstId, int& value);
    // A check box: 1 when checked, else 0.
    void Check(int id, int& value);
    // Attaches a control object to the dialog's control with this id.
    void Control(int id, CWnd& control);
    // A decimal integer in an edit box, refused unless it lies in min..max.
    void Integer(int id, int& value, int min, int max);

private:
    void Refuse(int id, const char* text);

    CDialog& m_dialog;
    bool m_save;
    bool m_failed = false;
};
