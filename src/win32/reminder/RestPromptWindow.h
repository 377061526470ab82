#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "base/TextRenderer.h"
#include "base/Window.h"
#include "controls/ProgButtonControl.h"

namespace vistrel {
class RestReminder;
}

namespace vistrel::win32 {

// The rest prompt `Form2`: a small white, borderless, translucent, topmost window at the bottom
// right of the desktop with the rest message and the four choices, all painted labels. It never
// takes the focus from the user's work, not even when clicked. The window only shows the
// reminder's prompt state; its choices go straight to the reminder.
class RestPromptWindow final : public Window {
public:
    enum class Choice { TakeRest, SwitchDisplayOff, LockAndSwitchDisplayOff, ContinueWork };

    static constexpr BYTE kAlpha = 220;

    RestPromptWindow(RestReminder& rest, TextRenderer& text, int twipsPerPixel);
    ~RestPromptWindow() override;

    // Creates, places and styles the window and shows it without activating it.
    bool open();
    // Takes the message and `tippro`'s value and maximum from the reminder.
    void sync();
    void hide();

    // The label under a client point that acts as a button, if any.
    std::optional<Choice> choiceAt(POINT client) const;
    // The middle of a choice's label, in client pixels.
    POINT choiceCentre(Choice choice) const;
    ProgButtonControl* tippro() const { return m_tippro.get(); }

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc, const RECT& client);
    void choose(Choice choice);

    RestReminder& m_rest;
    TextRenderer& m_text;
    int m_twipsPerPixel;
    std::wstring m_message;  // `Label1`, as last drawn
    std::unique_ptr<ProgButtonControl> m_tippro;
    std::optional<Choice> m_pressed;  // the label a left press started on
};

}  // namespace vistrel::win32
