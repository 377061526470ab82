#pragma once
#include <windows.h>

#include <array>
#include <memory>

#include "base/Twips.h"
#include "base/Panel.h"
#include "base/TextRenderer.h"
#include "controls/PanelButtons.h"

namespace vistrel {
class MainForm;
class Slider;
}

namespace vistrel::win32 {

// The colour panel `eyeset`: headings on their blue bands, the brightness and contrast values,
// five trackbars that are views of the form's sliders, the reset label and OK and Back images.
class ColourPanelView {
public:
    // Drawn at the density of `text`, the main window's.
    ColourPanelView(MainForm& form, TextRenderer& text);

    bool create(HWND overlay);
    // Places the panel inside the overlay and its controls inside it, at the text's density.
    void place(RECT boundsPx);
    void show(bool visible);
    // Moves the trackbars to the sliders' values and redraws the value labels. Call it after the
    // overlay's visibility has changed too, so a hidden panel gives up the keyboard focus.
    void sync();
    HWND hwnd() const { return m_panel.hwnd(); }

private:
    static constexpr size_t kSliders = 5;

    LRESULT onChild(UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc, const RECT& client);
    void click(POINT at);
    void releaseFocusWhenHidden();
    Slider& slider(size_t index);
    RECT pixels(const TwipsRect& r) const;

    MainForm& m_form;
    TextRenderer& m_text;
    Panel m_panel;
    std::array<HWND, kSliders> m_trackbars{};  // owned by the panel window
    UniqueBrush m_background;
    PanelButtons m_buttons;
};

}  // namespace vistrel::win32
