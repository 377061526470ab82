#pragma once
#include <memory>
#include <vector>

#include "base/TextRenderer.h"
#include "reminder/CountdownScreenWindow.h"

namespace vistrel {
class RestReminder;
}

namespace vistrel::win32 {

// The countdown screen over every monitor: one window each, laid out at its monitor's density,
// all showing the same remaining time. The primary monitor's window comes first; the others
// belong to it, so that only it has a taskbar button and bringing it forward brings them along.
// The monitors are read when the screen opens.
class CountdownScreens {
public:
    // dpi: the density for monitors whose own the system does not tell.
    CountdownScreens(RestReminder& rest, const TextRenderer& text, int dpi);
    // The windows on the other monitors go before the one they belong to.
    ~CountdownScreens();
    CountdownScreens(const CountdownScreens&) = delete;
    CountdownScreens& operator=(const CountdownScreens&) = delete;

    // Opens a window on every monitor; false when not even the primary one opened.
    bool open();
    void sync();
    void hide();

    CountdownScreenWindow* primary() const { return m_windows.empty() ? nullptr : m_windows.front().get(); }
    const std::vector<std::unique_ptr<CountdownScreenWindow>>& windows() const { return m_windows; }

private:
    RestReminder& m_rest;
    const TextRenderer& m_text;
    int m_dpi;
    std::vector<std::unique_ptr<CountdownScreenWindow>> m_windows;
};

}  // namespace vistrel::win32
