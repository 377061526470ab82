#pragma once
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "controls/ProgButtonDisplay.h"
#include "controls/ProgButtonSchemes.h"

namespace vistrel {

// The gradient-skinned control that is a progress bar (Style 0) or a push button (any other
// Style). This is its whole behaviour: properties, events, keyboard rules and the display list a
// painter replays. The platform control only feeds it input and paints what display() returns.
class ProgButton {
public:
    static constexpr std::int32_t kProgressStyle = 0;
    static constexpr std::int32_t kKeyboardButtonStyle = 1;  // the only style Enter and the access key click
    static constexpr int kEnterKey = 13;
    static constexpr int kSpaceKey = 32;

    // Names and defaults under which the control is saved with its window, in their order.
    static constexpr std::string_view kValueKey = "Value";
    static constexpr std::string_view kMinKey = "MyMin";
    static constexpr std::string_view kMaxKey = "MyMax";
    static constexpr std::string_view kCaptionKey = "MyCaption";
    static constexpr std::string_view kStyleKey = "MyType";
    static constexpr std::string_view kColorKey = "MyStyle";
    static constexpr std::int32_t kDefaultValue = 0;
    static constexpr std::int32_t kDefaultMin = 0;
    static constexpr std::int32_t kDefaultMax = 100;
    static constexpr std::string_view kDefaultCaption = "Command";
    static constexpr std::int32_t kDefaultStyle = 0;
    static constexpr std::int32_t kDefaultColor = 1;

    // Passed through from the platform's mouse notification: button code (1 left, 2 right,
    // 4 middle), modifier mask (1 shift, 2 control, 4 alt), position in control pixels.
    struct MouseArgs {
        std::int16_t button = 0;
        std::int16_t shift = 0;
        float x = 0.0F;
        float y = 0.0F;
    };

    // Reads one stored property: the stored text, or `fallback` when it is not stored.
    using PropertyReader = std::function<std::string(std::string_view key, std::string_view fallback)>;
    // Writes one stored property.
    using PropertyWriter = std::function<void(std::string_view key, std::string_view value)>;
    // Size in pixels of a UTF-8 text in the control's font, "&" characters counted as they stand.
    using TextMeasure = std::function<ProgButtonTextSize(std::string_view text)>;

    ProgButton();
    ~ProgButton();
    ProgButton(const ProgButton&) = delete;
    ProgButton& operator=(const ProgButton&) = delete;

    // Events, raised synchronously. A handler may change properties or destroy the control.
    std::function<void(const MouseArgs&)> onMouseDown;
    std::function<void(const MouseArgs&)> onMouseUp;
    std::function<void(const MouseArgs&)> onMouseMove;
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    // Hooks for the platform control: repaint the window; give the control the keyboard focus.
    std::function<void()> onRedraw;
    std::function<void()> onFocusRequest;

    // Properties. Every setter ends with a redraw.
    std::int32_t value() const { return m_value; }
    void setValue(std::int32_t newValue);  // limited to at most Max, then at least Min (Min wins)
    std::int32_t min() const { return m_min; }
    void setMin(std::int32_t newMin);  // Value is not re-limited
    std::int32_t max() const { return m_max; }
    void setMax(std::int32_t newMax);  // Value is not re-limited
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string newCaption);  // may set the access key (see accessKey)
    std::int32_t style() const { return m_style; }
    void setStyle(std::int32_t newType);
    std::int32_t color() const { return m_color; }
    void setColor(std::int32_t newScheme);  // 1..9; other numbers keep the colours last loaded
    const std::any& picture() const { return m_picture; }
    void setPicture(std::any picture);  // held for the host, never drawn

    // The keyboard access key: one character (UTF-8), or empty for none.
    const std::string& accessKey() const { return m_accessKey; }
    bool pressed() const { return m_pressed; }
    bool focused() const { return m_focused; }
    // The colour set the next display() uses: loaded at every redraw from a valid Color.
    const ProgButtonColorSet& colors() const { return m_colors; }

    // Stored properties, six keys in a fixed order. Loading stores each value as it stands (Value
    // is not limited, the caption sets no access key) and then redraws; unreadable numbers take
    // their defaults. Saving skips values equal to their defaults.
    void readProperties(const PropertyReader& read);
    void writeProperties(const PropertyWriter& write) const;

    // Input from the platform control, after it has let pending window messages run.
    void mouseDown(const MouseArgs& args);
    void mouseMove(const MouseArgs& args);
    void mouseUp(const MouseArgs& args);
    void click();
    void dblClick();
    // Clears a press whose release will never come (the mouse capture was taken away).
    void cancelPress();
    // A key press; true when the control used it (Enter or Space in keyboard button style).
    bool keyDown(int keyCode);
    // An access-key press (UTF-8 character); true when it clicked the control.
    bool accessKeyPressed(std::string_view key);
    void setFocused(bool focused);

    // The control's redraw: loads the colour set for Color, then asks the window to repaint.
    // The platform control also runs it when it is created and resized.
    void redraw();

    // What a redraw of a width x height client area paints. Pure: reads the state, changes nothing.
    ProgButtonDisplay display(int width, int height, const TextMeasure& measure) const;

private:
    // Calls a handler from a copy (the handler may replace itself). False when the handler
    // destroyed this control, so the caller must return without touching it.
    template <typename Handler, typename... Args>
    bool raise(const Handler& handler, const Args&... args);
    void updateAccessKey(std::string_view caption);
    // Every property setter stores its value and redraws at once.
    template <typename T, typename V>
    void assign(T& property, V&& value)
    {
        property = std::forward<V>(value);
        redraw();
    }

    std::int32_t m_value = 0;
    std::int32_t m_min = 0;
    std::int32_t m_max = 100;
    std::string m_caption;
    std::int32_t m_style = kProgressStyle;
    std::int32_t m_color = kDefaultColor;
    std::any m_picture;
    std::string m_accessKey;
    bool m_pressed = false;
    bool m_focused = false;
    ProgButtonColorSet m_colors{};  // all black until a valid scheme is loaded
    std::shared_ptr<bool> m_alive;
};

}  // namespace vistrel
