#include "base/Window.h"

#include <exception>
#include <string>

#include "base/Trace.h"

namespace vistrel::win32 {

void Window::registerClass(const wchar_t* className, const ClassOptions& options)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = options.style;
    wc.lpfnWndProc = &Window::staticProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = options.cursor ? LoadCursorW(nullptr, options.cursor) : nullptr;
    wc.hIcon = options.icon;
    wc.hIconSm = options.smallIcon;
    wc.lpszClassName = className;
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(wc.hInstance, className, &existing)) return;
    if (!RegisterClassExW(&wc)) traceLastError(std::wstring(L"RegisterClassExW ") + className);
}

HWND Window::create(const CreateOptions& o)
{
    const RECT& b = o.bounds;
    const auto menuOrId = (o.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(o.controlId)) : nullptr;
    HWND hwnd = CreateWindowExW(o.exStyle, o.className, o.title, o.style, b.left, b.top, b.right - b.left,
                                b.bottom - b.top, o.parent, menuOrId, GetModuleHandleW(nullptr), this);
    if (!hwnd) traceLastError(std::wstring(L"CreateWindowExW ") + o.className);
    return hwnd;
}

LRESULT Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return defaultProc(message, wParam, lParam);
}

LRESULT Window::defaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd(), message, wParam, lParam);
}

LRESULT CALLBACK Window::staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<Window*>(cs->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_window.reset(hwnd);
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->onMessage(message, wParam, lParam);
    } catch (...) {
        failFastOnException(L"exception in window message " + std::to_wstring(message));
    }
    if (message == WM_NCDESTROY) {
        // The window is gone: the owner must not destroy it again.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_window.release();
    }
    return result;
}

void moveWindow(HWND window, const RECT& b)
{
    if (window)
        SetWindowPos(window, nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void clearWindowRegion(HWND window)
{
    UniqueRegion nothing(CreateRectRgn(0, 0, 0, 0));
    if (SetWindowRgn(window, nothing.get(), FALSE))
        nothing.release();  // the system's now
    else
        traceLastError(L"SetWindowRgn to an empty region");
}

}  // namespace vistrel::win32
