#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "controls/ImageButton.h"
#include "reminder/CountdownScreenLayout.h"
#include "reminder/ReminderWindow.h"

namespace vistrel::win32 {

// The countdown screen `Form3`: black, borderless, translucent, as large as the primary screen
// and not topmost. It shows the heading, the remaining rest time in a black panel, the copy panel
// with what the panel showed a second earlier, and the round close image that ends the rest.
// It reacts to no key.
class CountdownScreenWindow final : public ReminderWindow {
public:
    static constexpr BYTE kAlpha = 200;

    using ReminderWindow::ReminderWindow;
    ~CountdownScreenWindow() override;

    // Covers the whole screen.
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

    CountdownScreenLayout m_layout;
    std::wstring m_label;  // `Label1`, as last drawn
    std::wstring m_copy;   // `Picture2`'s content, as last drawn
    std::unique_ptr<ImageButton> m_close;  // imgclose
};

}  // namespace vistrel::win32
