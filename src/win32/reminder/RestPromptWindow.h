#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Accessible.h"
#include "base/Gdi.h"

#include "controls/ProgButtonControl.h"
#include "reminder/CornerWindow.h"

namespace vistrel::win32 {

// The rest prompt `Form2`: a small white, borderless, translucent, topmost window at the bottom
// right of the desktop with the rest message and the four choices, all painted labels. It never
// takes the focus from the user's work, not even when clicked. The window only shows the
// reminder's prompt state; its choices go straight to the reminder. Activated from the keyboard
// (Alt+Tab or its taskbar button), Tab and Shift+Tab move through the four choices and Enter or
// Space takes the one with the focus. Screen readers find the choices as push buttons.
class RestPromptWindow final : public CornerWindow {
public:
    enum class Choice { TakeRest, SwitchDisplayOff, LockAndSwitchDisplayOff, ContinueWork };

    static constexpr BYTE kAlpha = 220;

    RestPromptWindow(RestReminder& rest, const TextRenderer& text, int dpi);
    ~RestPromptWindow() override;

    // Shows the window without activating it.
    bool open() override;
    // Takes the message and `tippro`'s value and maximum from the reminder.
    void sync() override;

    // The label under a client point that acts as a button, if any.
    std::optional<Choice> choiceAt(POINT client) const;
    // The middle of a choice's label, in client pixels.
    POINT choiceCentre(Choice choice) const;
    ProgButtonControl* tippro() const { return m_tippro.get(); }

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc, const RECT& client) override;
    void choose(Choice choice);
    // Tab and Shift+Tab, Enter and Space; true when the key was used.
    bool keyDown(WPARAM key, LPARAM flags);
    void takeTexts() override;
    // The four choices as screen readers see them, in the order of Choice.
    std::vector<AccessibleElement> accessibleChoices() const;
    // Sizes the window and places it at the primary work area's bottom right, at a density.
    void placeAt(int dpi) override;
    RECT pixels(const TwipsRect& r) const { return toRect(toPixels(r, m_dpi)); }

    std::wstring m_message;  // `Label1`, as last drawn
    std::unique_ptr<ProgButtonControl> m_tippro;
    std::optional<Choice> m_pressed;  // the label a left press started on
    std::optional<Choice> m_focused;  // none until the first Tab, so no key takes a choice unseen
    Accessible m_accessible;  // an alert that says the message, with the choices as its elements
};

}  // namespace vistrel::win32
