#pragma once

#include "Wnd.h"

#include <commctrl.h>

// A progress bar control of a dialog, bound by its id.
class CProgressCtrl : public CWnd
{
public:
    void SetRange(int lower, int upper) { SendMessageA(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    int SetStep(int step) { return static_cast<int>(SendMessageA(m_hWnd, PBM_SETSTEP, step, 0)); }
    // Returns the previous position.
    int SetPos(int position) { return static_cast<int>(SendMessageA(m_hWnd, PBM_SETPOS, position, 0)); }
    int GetPos() const { return static_cast<int>(SendMessageA(m_hWnd, PBM_GETPOS, 0, 0)); }
};
