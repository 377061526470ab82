#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "base/TextRenderer.h"
#include "base/Window.h"
#include "controls/ImageButton.h"
#include "reminder/CountdownScreenLayout.h"

namespace vistrel {
class RestReminder;
}

namespace vistrel::win32 {

// The countdown screen `Form3`: black, borderless, translucent, as large as the primary screen
// and not topmost. It shows the heading, the remaining rest time in a black panel, the copy panel
// with what the panel showed a second earlier, and the round close image that ends the rest.
// It reacts to no key.
class CountdownScreenWindow final : public Window {
public:
    static constexpr BYTE kAlpha = 200;

    CountdownScreenWindow(RestReminder& rest, TextRenderer& text, int twipsPerPixel);
    ~CountdownScreenWindow() override;

    // Creates the window over the whole screen, styles it and shows it.
    bool open();
    // Repaints the panel and the copy panel where the reminder's texts changed.
    void sync();
    void hide();

    const CountdownScreenLayout& layout() const { return m_layout; }
    ImageButton* closeImage() const { return m_close.get(); }

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc, const RECT& area);
    // `Picture1` with a text on it, drawn with its top-left corner at the DC's origin.
    void paintPanel(HDC dc, const std::wstring& text);

    RestReminder& m_rest;
    TextRenderer& m_text;
    int m_twipsPerPixel;
    CountdownScreenLayout m_layout;
    std::wstring m_label;  // `Label1`, as last drawn
    std::wstring m_copy;   // `Picture2`'s content, as last drawn
    std::unique_ptr<ImageButton> m_close;  // imgclose
};

}  // namespace vistrel::win32
