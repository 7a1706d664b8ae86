// The base of every window object: window handles bound to objects, and messages routed to OnMessage.
#include "Wnd.h"

#include "ResourceModule.h"

#include <mutex>
#include <unordered_map>

namespace
{

// The windows bound to their objects. Each module links its own copy of the
// framework, and so its own table: one module never takes another module's
// object for its own. Every message looks its window up here; a window
// property would cost a trip to the window server under Wine each time.
struct BoundWindows
{
    std::mutex lock;
    std::unordered_map<HWND, CWnd*> objects;
};
BoundWindows& Bound()
{
    static BoundWindows bound;
    return bound;
}
const char kDefaultClass[] = "QuilletWnd";

HWND g_mainWindow = nullptr;
// The object waiting for the next window this thread creates.
thread_local CWnd* t_bindNext = nullptr;

bool RegisterClassOnce(const char* className, WNDPROC proc, HICON icon, HBRUSH background)
{
    HINSTANCE module = OwnModule();
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(module, className, &existing))
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = module;
    wc.hIcon = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

} // namespace

CWnd::~CWnd()
{
    // Only a window bound to this object belongs to it; a control merely
    // attached by its id belongs to its dialog.
    if (m_hWnd && IsWindow(m_hWnd) && FromHandle(m_hWnd) == this)
    {
        // The object goes first: the window must not call into freed memory.
        HWND hwnd = m_hWnd;
        Unbind();
        ::DestroyWindow(hwnd);
    }
}

void CWnd::Bind(HWND hwnd)
{
    m_hWnd = hwnd;
    BoundWindows& bound = Bound();
    const std::lock_guard<std::mutex> hold(bound.lock);
    bound.objects[hwnd] = this;
}

void CWnd::Unbind()
{
    if (!m_hWnd)
        return;
    {
        BoundWindows& bound = Bound();
        const std::lock_guard<std::mutex> hold(bound.lock);
        const auto found = bound.objects.find(m_hWnd);
        if (found != bound.objects.end() && found->second == this)
            bound.objects.erase(found);
    }
    if (m_previousProc && IsWindow(m_hWnd))
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    m_previousProc = nullptr;
    m_hWnd = nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    BoundWindows& bound = Bound();
    const std::lock_guard<std::mutex> hold(bound.lock);
    const auto found = bound.objects.find(hwnd);
    return found == bound.objects.end() ? nullptr : found->second;
}

HWND CWnd::GetSafeOwner(HWND parent)
{
    HWND owner = parent ? parent : g_mainWindow;
    if (!owner || !IsWindow(owner))
        return nullptr;
    HWND top = GetAncestor(owner, GA_ROOT);
    return top ? top : owner;
}

void CWnd::SetMainWindow(HWND hwnd)
{
    g_mainWindow = hwnd;
}

bool CWnd::CreateEx(DWORD exStyle, const char* text, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (!RegisterClassOnce(kDefaultClass, DefaultClassProc, nullptr, nullptr))
        return false;
    HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND hwnd = CreateWindowExA(exStyle, kDefaultClass, text ? text : "", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, menu, OwnModule(), this);
    return hwnd != nullptr;
}

bool CWnd::RegisterRoutedClass(const char* className, HICON icon, HBRUSH background)
{
    return RegisterClassOnce(className, RoutedClassProc, icon, background);
}

bool CWnd::CreateRouted(const char* className, DWORD exStyle, const char* text, DWORD style, const RECT& rect,
                        HWND parent, HMENU menu, void* param)
{
    BindNextWindow();
    HWND hwnd = CreateWindowExA(exStyle, className, text ? text : "", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, menu, OwnModule(), param);
    t_bindNext = nullptr;
    return hwnd != nullptr;
}

void CWnd::BindNextWindow()
{
    t_bindNext = this;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CWnd::SubclassWindow(HWND hwnd)
{
    Bind(hwnd);
    m_previousProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

bool CWnd::OnMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_previousProc)
        return CallWindowProcA(m_previousProc, m_hWnd, message, wParam, lParam);
    return DefaultProc(message, wParam, lParam);
}

LRESULT CWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnMessage(message, wParam, lParam, result))
        result = Default(message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        Unbind();
        OnFinalDestroy();
    }
    return result;
}

LRESULT CALLBACK CWnd::DefaultClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (auto* self = static_cast<CWnd*>(create->lpCreateParams))
            self->Bind(hwnd);
    }
    if (CWnd* self = FromHandle(hwnd))
        return self->Dispatch(message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::RoutedClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* self = FromHandle(hwnd);
    if (!self && t_bindNext)
    {
        self = t_bindNext;
        t_bindNext = nullptr;
        self->Bind(hwnd);
    }
    if (self)
        return self->Dispatch(message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CWnd* self = FromHandle(hwnd))
        return self->Dispatch(message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
