#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "controls/SafeSwitchSkin.h"

namespace vistrel {

// The bitmap-skinned on/off switch: its value, its look (one of eight strip cells) and the
// hover/press state machine, without any drawing. A native painter draws cell() of the skin's
// strip clipped to mask() and calls mouseDown/mouseUp/poll with what the platform reports.
//
// Every property setter repaints at once and events reach the host synchronously, on the
// caller's stack. onPaint runs before Click is raised, so the new look is already on screen while
// the host's Click handler runs (for instance while it shows a modal message box).
class SafeSwitch {
public:
    // Mouse button codes as the window toolkit numbers them; only the left button acts.
    enum class MouseButton : int { Left = 1, Right = 2, Middle = 4 };

    // Cells of every strip, top to bottom.
    enum Cell : std::int16_t {
        kOnNormal = 0,
        kOnHover = 1,
        kOnPressed = 2,
        kOnDisabled = 3,
        kOffNormal = 4,
        kOffHover = 5,
        kOffPressed = 6,
        kOffDisabled = 7,
    };

    // Properties kept with the host window's layout, as key -> text. Keys: "value", "enable",
    // "skin". Booleans are written "True"/"False"; reading also accepts any decimal integer
    // (0 is False). Unreadable text yields the key's default.
    using StoredProperties = std::map<std::string, std::string, std::less<>>;
    static constexpr bool kDefaultValue = true;
    static constexpr bool kDefaultEnable = true;
    static constexpr int kDefaultSkin = 0;

    // Events for the host.
    std::function<void(bool value)> onClick;  // after a completed click and every setValue
    std::function<void()> onMouseIn;
    std::function<void()> onMouseOut;
    // For the painter: repaint cell() with mask() now; resize to geometry() now.
    std::function<void()> onPaint;
    std::function<void()> onResize;

    bool value() const { return m_value; }
    // Raises Click on every assignment, also when the value does not change.
    void setValue(bool value);

    bool enable() const { return m_enable; }
    // Changes the look only; raises nothing.
    void setEnable(bool enable);

    int skin() const { return m_skin; }
    // Any number is accepted: 0 and 1 pick their skins, everything else the third one.
    void setSkin(int skin);

    std::int16_t cell() const { return m_cell; }
    bool hover() const { return m_hover; }
    bool pendingValue() const { return m_pendingValue; }
    // The skin at the scale the switch is drawn at: the control's size, the strip's cells and the
    // hover bounds all follow it.
    SafeSwitchSkin geometry() const { return safeSwitchSkin(m_skin).scaled(m_scale); }
    int scale() const { return m_scale; }
    // The art scale in percent (100 at the usual density): resizes and repaints, raises nothing.
    void setScale(int percent);
    // The shape mask that goes with the current skin and value.
    int mask() const { return geometry().mask(m_value); }

    void mouseDown(MouseButton button);
    void mouseUp(MouseButton button);
    // The keyboard's click (Space on the focused switch): toggles and raises Click exactly as a
    // completed left click does, whatever the hover state; nothing while disabled.
    void keyPress();
    // One hover-timer tick with the cursor in client pixels of the control.
    void poll(int x, int y);

    // Restores a stored instance: value and enable through their setters (so Click is raised),
    // then the skin, then resizes and repaints.
    void loadProperties(const StoredProperties& stored);
    // Only values that differ from their defaults are written.
    StoredProperties saveProperties() const;

private:
    // The look for the current state when nothing is pressed.
    std::int16_t restingCell() const;
    void applySkin();
    void paintState();
    void raiseClick();

    bool m_value = kDefaultValue;
    bool m_enable = kDefaultEnable;
    int m_skin = kDefaultSkin;
    int m_scale = kMinArtScale;
    std::int16_t m_cell = kOnNormal;
    bool m_pendingValue = false;  // what a release commits after a press
    bool m_pressed = false;       // a left press on this switch that no release has answered yet
    bool m_hover = false;
};

}  // namespace vistrel
