#pragma once

#include "ProgressSink.h"

#include <windows.h>

// Hands each percentage to the progress dialog's window as WM_USER with the
// percentage in lParam, synchronously, so the dialog has drawn it (and
// dispatched its thread's pending messages) before the pass goes on.
class CWindowProgressSink : public IProgressSink
{
public:
    explicit CWindowProgressSink(HWND window) : m_window(window) {}

    void OnProgress(int percent) override;

private:
    HWND m_window;
};
