#include "base/Panel.h"

#include "base/BufferedPaint.h"
#include "base/Gdi.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.Panel";

}  // namespace

Panel::Panel(COLORREF background, Handlers handlers) : m_background(background), m_handlers(std::move(handlers)) {}

bool Panel::create(HWND parent, RECT b, int controlId)
{
    registerClass(kClassName, {});
    return Window::create({.className = kClassName, .style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           .exStyle = WS_EX_CONTROLPARENT, .bounds = b, .parent = parent,
                           .controlId = controlId}) != nullptr;
}

void Panel::show(bool visible) { ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

bool Panel::visible() const { return (GetWindowLongW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0; }

void Panel::redraw() { InvalidateRect(hwnd(), nullptr, FALSE); }

void Panel::paint()
{
    paintBuffered(hwnd(), [this](HDC dc, const RECT& client) {
        fillRect(dc, client, m_background);
        if (m_handlers.paint) m_handlers.paint(dc, client);
    });
}

LRESULT Panel::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint();
        return 0;
    case WM_LBUTTONUP:
        if (m_handlers.click) {
            m_handlers.click(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
        }
        break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (m_handlers.childNotification) return m_handlers.childNotification(message, wParam, lParam);
        break;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

}  // namespace vistrel::win32
