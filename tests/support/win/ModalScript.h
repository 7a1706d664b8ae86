#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Drives a modal window from inside its own message loop: a thread timer
// waits for the visible window of this thread with the given title, lets it
// settle for some ticks, runs the step on it once and, should the step leave
// it open, cancels it on the next tick. It stops waiting after ten seconds,
// so no test hangs on a window that never came.
class ModalScript
{
public:
    ModalScript(std::string title, std::function<void(HWND)> step, int settleTicks = 0)
        : m_title(std::move(title)), m_step(std::move(step)), m_settle(settleTicks)
    {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, TickMilliseconds, Tick);
    }
    ~ModalScript()
    {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    bool ran = false;

private:
    static constexpr UINT TickMilliseconds = 20;
    static constexpr int GiveUpTicks = 500;

    static BOOL CALLBACK Match(HWND window, LPARAM found)
    {
        char title[256] = {};
        GetWindowTextA(window, title, sizeof(title));
        if (s_current->m_title != title || !IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        ModalScript& self = *s_current;
        if (self.m_inStep)
            return;
        HWND window = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), Match, reinterpret_cast<LPARAM>(&window));
        if (!window)
        {
            if (++self.m_waited > GiveUpTicks)
                KillTimer(nullptr, self.m_timer);
        }
        else if (self.ran)
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        else if (--self.m_settle < 0)
        {
            // The step may pump messages, and this timer with them.
            self.ran = self.m_inStep = true;
            self.m_step(window);
            self.m_inStep = false;
        }
    }

    static inline ModalScript* s_current = nullptr;
    std::string m_title;
    std::function<void(HWND)> m_step;
    int m_settle;
    int m_waited = 0;
    bool m_inStep = false;
    UINT_PTR m_timer = 0;
};
