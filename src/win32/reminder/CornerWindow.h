#pragma once
#include <windows.h>

#include "reminder/ReminderWindow.h"

namespace vistrel::win32 {

// What the rest prompt and the eye break share: small windows at the primary work area's bottom
// right that paint themselves off screen, take their place again at a new density and never take
// the focus, not even when clicked.
class CornerWindow : public ReminderWindow {
public:
    using ReminderWindow::ReminderWindow;

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void paint(HDC dc, const RECT& client) = 0;
    // Sizes the window and places it at a density.
    virtual void placeAt(int dpi) = 0;
    // The bottom of the primary monitor's work area, in pixels; the screen's when unknown.
    static int workAreaBottom();
};

}  // namespace vistrel::win32
