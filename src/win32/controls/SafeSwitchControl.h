#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "base/Accessible.h"
#include "base/UniqueHandle.h"
#include "base/Window.h"
#include "controls/BitmapMask.h"
#include "controls/SafeSwitch.h"

namespace vistrel::win32 {

// The toggle switch as a child window: paints the model's cell of the skin strip unscaled, takes
// its outline from the red-keyed mask as a window region, keeps itself at the skin's size, and
// feeds the model with left-button presses and a 50 ms cursor poll.
//
// The strip is drawn unscaled from the art made for the window's density (100 to 200 %), so at
// 100 % the switch is the skin's cell size in pixels; model().geometry() is the size at the art
// scale in force, and the hover bounds follow it.
//
// The host wires model().onClick / onMouseIn / onMouseOut; onPaint and onResize belong to this
// control.
//
// The poll runs only while the cursor can be over the switch: a poll that finds the cursor outside
// the host's top-level window with no hover to take away stops it, and the next mouse move over the
// switch or over the host (wakePolling) starts it again with an immediate poll. An idle program
// whose window is shown then wakes up no more often than one without switches. A host whose
// window is hidden stops polling with pausePolling().
class SafeSwitchControl final : public Window {
public:
    static constexpr UINT kPollMilliseconds = 50;

    // (xPx, yPx): top-left corner in the parent's client pixels. The switch owns its model.
    SafeSwitchControl(HWND parent, int xPx, int yPx, int controlId);
    // Shows and drives a model that lives elsewhere (in the host's logic) and outlives this control;
    // the control takes over the model's onPaint and onResize until it is destroyed.
    SafeSwitchControl(HWND parent, SafeSwitch& model, int xPx, int yPx, int controlId);
    ~SafeSwitchControl() override;

    SafeSwitch& model() { return m_model; }
    const SafeSwitch& model() const { return m_model; }

    // A new place (the parent's client pixels) and art scale, when the window's density changes.
    void place(int xPx, int yPx, int artScale);

    // Polls at once and then every 50 ms until the cursor has left the host window.
    void wakePolling();
    void pausePolling();
    bool polling() const { return m_polling; }

    // What screen readers call the switch (the feature's caption) and its default action.
    void setAccessibleText(std::wstring name, std::wstring action);
    // A click as a screen reader makes it: pressed and released over the switch.
    void clickForScreenReader();

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr int kStripCount = 3;
    static constexpr int kMaskCount = 6;

    void paint(HDC dc);
    void showModelState();
    void fitToSkin();
    void applyShape();
    void pollCursor();
    HBITMAP strip(int index);
    const BitmapMask& mask(int index);

    SafeSwitch m_ownModel;
    SafeSwitch& m_model;  // m_ownModel or the host's
    std::array<UniqueBitmap, kStripCount> m_strips;  // loaded on first use, at the model's scale
    std::array<BitmapMask, kMaskCount> m_masks;      // built on first use, at the model's scale
    std::array<bool, kMaskCount> m_maskLoaded{};
    int m_shapeMask = -1;  // the mask the window region was last built from
    bool m_polling = false;
    std::wstring m_accessibleName;
    std::wstring m_accessibleAction;
    bool m_announcedValue = false;  // the value screen readers were last told of
    Accessible m_accessible;
};

}  // namespace vistrel::win32
