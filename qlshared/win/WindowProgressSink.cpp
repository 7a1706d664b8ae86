#include "WindowProgressSink.h"

void CWindowProgressSink::OnProgress(int percent)
{
    SendMessage(m_window, WM_USER, 0, static_cast<LPARAM>(percent));
}
