#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "base/TextRenderer.h"
#include "base/Window.h"
#include "reminder/CountdownScreens.h"
#include "reminder/EyeBreakWindow.h"
#include "reminder/RestPromptWindow.h"

namespace vistrel {
class RestReminder;
}

namespace vistrel::win32 {

// Keeps the rest prompt, the countdown screen and the eye break in step with the reminder: each
// exists exactly while the reminder says it is open, and the screen is opened afresh over the
// monitors there are now when the reminder says the displays changed. A hidden window of its own
// runs the prompt's display-off timer, which outlives the prompt it was armed on, and destroys
// closed windows once the click that closed them has been handled.
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
    // The countdown screen's window on the primary monitor.
    CountdownScreenWindow* countdownScreen() const { return m_screen ? m_screen->primary() : nullptr; }
    CountdownScreens* countdownScreens() const { return m_screen.get(); }
    EyeBreakWindow* eyeBreak() const { return m_eyeBreak.get(); }
    bool displayOffTimerRunning() const { return m_displayOffTimer; }

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Opens, updates or closes the prompt, the countdown screen or the eye break.
    template <typename W>
    void syncWindow(std::unique_ptr<W>& window, bool open);
    void syncDisplayOffTimer();
    // Destroys hidden windows from the message loop, since the click that closed them may still be
    // running inside one of them.
    void retire(std::shared_ptr<void> windows);

    RestReminder& m_rest;
    TextRenderer& m_text;
    int m_dpi;
    std::unique_ptr<RestPromptWindow> m_prompt;  // Form2
    std::unique_ptr<CountdownScreens> m_screen;  // Form3
    std::unique_ptr<EyeBreakWindow> m_eyeBreak;
    unsigned m_screenLayout = 0;  // the reminder's layout number the screen was opened for
    std::vector<std::shared_ptr<void>> m_retired;  // closed prompts and countdown screens
    bool m_displayOffTimer = false;  // the prompt's `Timer1`
};

}  // namespace vistrel::win32
