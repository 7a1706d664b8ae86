// Hands each progress percentage to the progress dialog's window, which draws it before the pass goes on.
#include "WindowProgressSink.h"

void CWindowProgressSink::OnProgress(int percent)
{
    SendMessage(m_window, WM_USER, 0, static_cast<LPARAM>(percent));
}
