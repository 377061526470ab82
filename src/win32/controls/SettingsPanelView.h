#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Gdi.h"
#include "base/Panel.h"
#include "base/TextRenderer.h"
#include "base/Twips.h"
#include "base/UniqueHandle.h"
#include "controls/PanelButtons.h"
#include "text/Texts.h"

namespace vistrel::win32 {

// The frame every settings panel of the overlay `ppset` shares: a child panel of the overlay on
// the window's background, its own controls, then the Back and OK images at their common places,
// and the steps that create, place, show and sync them. A panel brings its controls, drawing and
// notifications through the hooks below.
class SettingsPanelView {
public:
    struct Actions {
        std::function<void()> back;
        std::function<void()> ok;
    };

    virtual ~SettingsPanelView() = default;
    SettingsPanelView(const SettingsPanelView&) = delete;
    SettingsPanelView& operator=(const SettingsPanelView&) = delete;

    // The panel's own controls come before the images, so the tab order runs through them first.
    // `texts`: the run's, in which the images' tooltips are made.
    bool create(HWND overlay, const Texts& texts);
    // After a change of language: the tooltips take their texts again, the controls are placed
    // again (a panel's layout may follow its texts' widths) and the panel redraws what it paints,
    // which reads the texts at every paint.
    void retext(const Texts& texts);
    // Places the panel inside the overlay and its controls inside it, at the text's density.
    void place(RECT boundsPx);
    void show(bool visible);
    // Puts the controls in step with the program. Call it after the overlay's visibility has
    // changed too, so a hidden panel gives up the keyboard focus.
    void sync();
    HWND hwnd() const { return m_panel.hwnd(); }

protected:
    // Drawn at the density of `text`, the main window's.
    SettingsPanelView(TextRenderer& text, Actions actions);

    virtual void createControls() = 0;
    // Called after the panel has its new size.
    virtual void placeControls() = 0;
    virtual void syncControls() = 0;
    // The window's hooks do nothing here: the panel window may still be sent a message while a
    // derived view is being destroyed.
    // After the background, double-buffered.
    virtual void paint(HDC, const RECT&) {}
    // Notifications of the panel's own controls; nullopt leaves one to the default handling.
    virtual std::optional<LRESULT> onControl(UINT, WPARAM, LPARAM) { return std::nullopt; }
    // A left click on the panel itself, in client pixels.
    virtual void click(POINT) {}

    struct ControlOptions {
        const wchar_t* className = nullptr;
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        const wchar_t* text = L"";
        int id = 0;
    };
    // A standard control inside the panel, owned by the panel window; null when it cannot be made
    // (traced).
    HWND createControl(const ControlOptions& options);
    // What screen readers call the control made next: a STATIC just before a control in z-order
    // names it. The panel paints its own texts, so the label shows nothing (clearWindowRegion).
    void createLabel(std::function<std::wstring()> text);

    TextRenderer& text() const { return m_text; }
    RECT pixels(const TwipsRect& r) const { return toRect(toPixels(r, m_text.dpi())); }
    int px(int twips) const { return toPixels(twips, m_text.dpi()); }
    void redraw() { m_panel.redraw(); }

private:
    LRESULT onChild(UINT message, WPARAM wParam, LPARAM lParam);
    void releaseFocusWhenHidden();

    TextRenderer& m_text;
    Actions m_actions;
    Panel m_panel;
    UniqueBrush m_background;
    PanelButtons m_buttons;
    // The unseen labels that name the boxes and sliders for screen readers, and where their texts come
    // from, so a change of language names them again.
    std::vector<std::pair<HWND, std::function<std::wstring()>>> m_labels;
};

}  // namespace vistrel::win32
