#include "reminder/CountdownScreens.h"

#include "base/DisplayMonitors.h"

namespace vistrel::win32 {

CountdownScreens::CountdownScreens(RestReminder& rest, const TextRenderer& text, int dpi)
    : m_rest(rest), m_text(text), m_dpi(dpi)
{
}

CountdownScreens::~CountdownScreens()
{
    while (!m_windows.empty()) m_windows.pop_back();
}

bool CountdownScreens::open()
{
    for (const CountdownScreenLayout& layout : CountdownScreenLayout::forMonitors(displayMonitors(m_dpi))) {
        const HWND owner = m_windows.empty() ? nullptr : m_windows.front()->hwnd();
        auto window = std::make_unique<CountdownScreenWindow>(m_rest, m_text, layout, owner);
        // Without the primary window there is nothing to own the others; a monitor whose window
        // failed (traced where it was created) leaves the rest on the others.
        if (!window->open()) {
            if (m_windows.empty()) return false;
            continue;
        }
        m_windows.push_back(std::move(window));
    }
    return !m_windows.empty();
}

void CountdownScreens::sync()
{
    for (const auto& window : m_windows) window->sync();
}

void CountdownScreens::hide()
{
    for (const auto& window : m_windows) window->hide();
}

}  // namespace vistrel::win32
