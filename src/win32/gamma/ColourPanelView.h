#pragma once
#include <windows.h>

#include <array>

#include "controls/SettingsPanelView.h"

namespace vistrel {
class MainForm;
class Slider;
}

namespace vistrel::win32 {

// The colour panel `eyeset`: headings on their blue bands, the brightness and contrast values,
// five trackbars that are views of the form's sliders, the reset label and OK and Back images.
class ColourPanelView final : public SettingsPanelView {
public:
    // Drawn at the density of `text`, the main window's.
    ColourPanelView(MainForm& form, TextRenderer& text);

private:
    static constexpr size_t kSliders = 5;

    void createControls() override;
    void placeControls() override;
    // Moves the trackbars to the sliders' values and redraws the value labels.
    void syncControls() override;
    void paint(HDC dc, const RECT& client) override;
    std::optional<LRESULT> onControl(UINT message, WPARAM wParam, LPARAM lParam) override;
    void click(POINT at) override;
    Slider& slider(size_t index);

    MainForm& m_form;
    std::array<HWND, kSliders> m_trackbars{};  // owned by the panel window
};

}  // namespace vistrel::win32
