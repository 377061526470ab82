#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "base/Accessible.h"
#include "controls/ImageButton.h"
#include "reminder/CountdownScreenLayout.h"
#include "reminder/ReminderWindow.h"

namespace vistrel::win32 {

// The countdown screen `Form3` on one monitor: black, borderless, translucent, as large as the
// whole monitor and not topmost. It shows the heading, the remaining rest time in a black panel,
// the round close image that ends the rest and, on the primary monitor, the copy panel with what
// the panel showed a second earlier. It reacts to no key.
class CountdownScreenWindow final : public ReminderWindow {
public:
    static constexpr BYTE kAlpha = 200;

    // owner: null for the primary monitor's window, which has the taskbar button; the windows on
    // the other monitors belong to it.
    CountdownScreenWindow(RestReminder& rest, const TextRenderer& text, const CountdownScreenLayout& layout,
                          HWND owner);
    ~CountdownScreenWindow() override;

    // Covers the layout's monitor.
    bool open() override;
    // Repaints the panel and the copy panel where the reminder's texts changed.
    void sync() override;

    const CountdownScreenLayout& layout() const { return m_layout; }
    ImageButton* closeImage() const { return m_close.get(); }

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc, const RECT& area);
    // `Picture1` with a text on it, drawn with its top-left corner at the DC's origin.
    void paintPanel(HDC dc, const std::wstring& text);
    // Lays the window's contents out again at another density, on the same monitor.
    void relayAt(int dpi);

    CountdownScreenLayout m_layout;
    HWND m_owner;
    std::wstring m_label;  // `Label1`, as last drawn
    std::wstring m_copy;   // `Picture2`'s content, as last drawn
    std::unique_ptr<ImageButton> m_close;  // imgclose
    Accessible m_accessible;  // the heading as name, the remaining time as value
};

}  // namespace vistrel::win32
