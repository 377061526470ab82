#pragma once
#include <windows.h>

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// Base of every window class: one static procedure routes messages to the member onMessage of the
// object passed through CreateWindowEx's lpCreateParams.
//
// No exception crosses a window procedure. The boundary does not swallow one either: it traces
// the exception and the message, then ends the process at once (failFast), because falling back
// to the default procedure would half-handle the message (a close that destroys the window, a
// log-off that wrote half the settings).
class Window {
public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return m_window.get(); }

protected:
    struct ClassOptions {
        UINT style = 0;
        const wchar_t* cursor = IDC_ARROW;  // a system cursor
        HICON icon = nullptr;               // the caller keeps icons alive while the class is used
        HICON smallIcon = nullptr;
    };

    // Registers a class routed to onMessage, once per process (later calls are no-ops).
    static void registerClass(const wchar_t* className, const ClassOptions& options);

    // What CreateWindowEx needs, with the defaults most of our windows take.
    struct CreateOptions {
        const wchar_t* className = nullptr;
        DWORD style = WS_POPUP;
        DWORD exStyle = 0;
        const wchar_t* title = L"";
        RECT bounds{};        // screen pixels for a top-level window, the parent's client pixels for a child
        HWND parent = nullptr;  // the parent of a child, the owner of a top-level window
        int controlId = 0;      // children only
    };

    // Creates the window with this object as its owner of messages. Returns the handle or null
    // (traced).
    HWND create(const CreateOptions& options);

    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    UniqueWindow m_window;
};

// Moves and sizes a window to a rectangle in its parent's client pixels, keeping its z-order.
void moveWindow(HWND window, const RECT& bounds);

// Leaves a window no pixels of its own (an empty window region): it hides nothing of its parent's
// painting and takes no clicks, yet stays a visible window that screen readers find.
void clearWindowRegion(HWND window);

}  // namespace vistrel::win32
