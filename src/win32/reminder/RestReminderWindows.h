#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "base/TextRenderer.h"
#include "base/Window.h"
#include "reminder/CountdownScreenWindow.h"
#include "reminder/RestPromptWindow.h"

namespace vistrel {
class RestReminder;
}

namespace vistrel::win32 {

// Keeps the rest prompt and the countdown screen in step with the reminder: each window exists
// exactly while the reminder says it is open. A hidden message window of its own runs the
// prompt's display-off timer, which outlives the prompt it was armed on, and destroys closed
// windows once the click that closed them has been handled.
class RestReminderWindows final : public Window {
public:
    static constexpr UINT kDisplayOffTimerMilliseconds = 1000;

    RestReminderWindows(RestReminder& rest, TextRenderer& text, int dpi);
    ~RestReminderWindows() override;

    bool create();
    // Opens, updates or closes the two windows and arms or stops the display-off timer, as the
    // reminder's state says. Runs after every change of that state.
    void sync();

    RestPromptWindow* prompt() const { return m_prompt.get(); }
    CountdownScreenWindow* countdownScreen() const { return m_screen.get(); }
    bool displayOffTimerRunning() const { return m_displayOffTimer; }

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Opens, updates or closes one of the two windows.
    template <typename W>
    void syncWindow(std::unique_ptr<W>& window, bool open);
    void syncDisplayOffTimer();
    // Destroys a hidden window from the message loop, since the click that closed it may still be
    // running inside it.
    void retire(std::unique_ptr<Window> window);

    RestReminder& m_rest;
    TextRenderer& m_text;
    int m_dpi;
    std::unique_ptr<RestPromptWindow> m_prompt;       // Form2
    std::unique_ptr<CountdownScreenWindow> m_screen;  // Form3
    std::vector<std::unique_ptr<Window>> m_retired;
    bool m_displayOffTimer = false;  // the prompt's `Timer1`
};

}  // namespace vistrel::win32
