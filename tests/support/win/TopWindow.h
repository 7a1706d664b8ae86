#pragma once

#include "Wnd.h"

// A plain visible top-level window bound to its object and destroyed with it,
// to own or hold the windows under test.
class TopWindow : public CWnd
{
public:
    explicit TopWindow(int width = 420, int height = 300)
    {
        CreateEx(0, "test window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, width, height}, nullptr, 0);
    }
};
