#pragma once
#include <windows.h>

#include <functional>

#include "base/Window.h"

namespace vistrel::win32 {

// A plain child window with a solid background that paints through a callback and hands the
// notifications of its own children (edit boxes, trackbars) to its owner.
class Panel final : public Window {
public:
    struct Handlers {
        std::function<void(HDC, const RECT&)> paint;  // after the background, double-buffered
        std::function<LRESULT(UINT, WPARAM, LPARAM)> childNotification;  // WM_COMMAND, WM_HSCROLL, ...
        std::function<void(POINT)> click;  // a left click on the panel itself, in client pixels
    };

    Panel(COLORREF background, Handlers handlers);

    bool create(HWND parent, RECT boundsPx, int controlId);
    void show(bool visible);
    bool visible() const;
    void redraw();

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint();

    COLORREF m_background;
    Handlers m_handlers;
};

}  // namespace vistrel::win32
