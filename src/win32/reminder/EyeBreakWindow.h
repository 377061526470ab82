#pragma once
#include <windows.h>

#include <string>

#include "reminder/CornerWindow.h"

namespace vistrel::win32 {

// The eye break: a small translucent topmost window above the place where the rest prompt opens,
// saying "看看 6 米外的地方" and the seconds left. It never takes the focus or the keyboard, so the
// user's typing goes on where it was; a click on it closes it at once.
class EyeBreakWindow final : public CornerWindow {
public:
    static constexpr BYTE kAlpha = 220;

    using CornerWindow::CornerWindow;

    // Shows the window without activating it.
    bool open() override;
    // Redraws the seconds when they changed.
    void sync() override;

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc, const RECT& client) override;
    void placeAt(int dpi) override;
    void takeTexts() override;
    std::wstring message() const;  // "看看 6 米外的地方"
    TextStyle lineStyle(double points, bool bold) const;

    std::wstring m_seconds;  // as last drawn
    bool m_pressed = false;  // a left press began on the window
};

}  // namespace vistrel::win32
