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
    // Registers a class of this module whose windows route their messages
    // like the default class; false when it cannot be registered.
    static bool RegisterRoutedClass(const char* className, HICON icon, HBRUSH background);
    // Creates a window of a routed class, bound to this object before its
    // first message.
    bool CreateRouted(const char* className, DWORD exStyle, const char* text, DWORD style, const RECT& rect,
                      HWND parent, HMENU menu, void* param = nullptr);
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
    // What a window of this kind does with a message nobody handled: frame
    // and MDI child windows have their own default procedures.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The next window created on this thread is bound to this object before
    // its first message (an MDI child is created by its client window).
    void BindNextWindow();

    void Bind(HWND hwnd);
    void Unbind();
    // Called once the window is gone, after WM_NCDESTROY.
    virtual void OnFinalDestroy() {}

    WNDPROC m_previousProc = nullptr;

private:
    static LRESULT CALLBACK DefaultClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK RoutedClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
};
