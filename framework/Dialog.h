#pragma once

#include "Wnd.h"

// Dialog from a resource template (modal or modeless).
class CDialog : public CWnd
{
};
