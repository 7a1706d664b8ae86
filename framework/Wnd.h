#pragma once

#include <windows.h>

// Base of every window object. It wraps one handle and routes the window's
// messages to the virtual OnMessage, where derived classes pick the ones they
// handle and leave the rest to the window's own procedure.
class CWnd
{
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Creates a window of the framework's default class and binds it to this
    // object before its first message.
    bool CreateEx(DWORD exStyle, const char* text, DWORD style, const RECT& rect, HWND parent, UINT id);
    virtual BOOL DestroyWindow();

    // Routes an existing window (made by someone else, such as comctl32) to
    // this object; the previous procedure becomes the default handling.
    void SubclassWindow(HWND hwnd);

    // The object bound to a window by this module's framework, or null.
    static CWnd* FromHandle(HWND hwnd);

    // The window a new popup should belong to: the top-level window of the
    // given parent, or the module's main window when there is no parent.
    static HWND GetSafeOwner(HWND parent);
    static void SetMainWindow(HWND hwnd);

    HWND m_hWnd = nullptr;

protected:
    // Return true when the message was handled and result holds its answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The window's default handling of the message being processed.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    void Bind(HWND hwnd);
    void Unbind();
    // Called once the window is gone, after WM_NCDESTROY.
    virtual void OnFinalDestroy() {}

    WNDPROC m_previousProc = nullptr;

private:
    static LRESULT CALLBACK DefaultClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
};
