#pragma once

#include "Dialog.h"

// Modeless progress dialog: status line, bar, percentage and Cancel. The
// formatting engine reaches only its window, to which it sends WM_USER with
// the percentage in lParam.
class CProgressDlg : public CDialog
{
};
