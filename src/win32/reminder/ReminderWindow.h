#pragma once
#include <windows.h>

#include "base/TextRenderer.h"
#include "base/Window.h"

namespace vistrel {
class RestReminder;
}

namespace vistrel::win32 {

// What the rest prompt, the countdown screen and the eye break share: each shows the reminder's
// state, exists exactly while the reminder says it is open (RestReminderWindows sees to that), and
// lays itself out at the screen's density.
class ReminderWindow : public Window {
public:
    // `text` gives the program's fonts; `dpi` is the density to start at.
    ReminderWindow(RestReminder& rest, const TextRenderer& text, int dpi);
    // Destroys the window; a derived window drops its child controls first.
    ~ReminderWindow() override;

    // Creates, places and styles the window and shows it.
    virtual bool open() = 0;
    // Takes what changed from the reminder and repaints that.
    virtual void sync() = 0;
    void hide();

protected:
    // The windows paint every pixel themselves, and only the reminder closes them: Alt+F4 and the
    // system's close do nothing.
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The density the window is laid out and its texts drawn at.
    void setDpi(int dpi);
    // The language changed: the window takes its texts again; it is redrawn after.
    virtual void takeTexts() {}
    // A face the design names for Chinese (charset GB2312) gives way to the windows' Latin face in English.
    FontSpec inLanguage(FontSpec font) const;

    RestReminder& m_rest;
    TextRenderer m_text;  // the program's fonts, at this window's density
    int m_dpi;
};

}  // namespace vistrel::win32
