#include "controls/SafeSwitch.h"

#include <optional>
#include <string_view>
#include <utility>

#include "base/TextParsing.h"

namespace vistrel {
namespace {

constexpr std::string_view kValueKey = "value";
constexpr std::string_view kEnableKey = "enable";
constexpr std::string_view kSkinKey = "skin";

std::optional<bool> parseBool(std::string_view text)
{
    const std::string_view word = trim(text);
    if (equalsIgnoringAsciiCase(word, "true")) return true;
    if (equalsIgnoringAsciiCase(word, "false")) return false;
    if (const auto number = parseInteger<int>(word)) return *number != 0;
    return std::nullopt;
}

template <typename T, typename Parse>
T readStored(const SafeSwitch::StoredProperties& stored, std::string_view key, T fallback, Parse parse)
{
    const auto found = stored.find(key);
    if (found == stored.end()) return fallback;
    return parse(found->second).value_or(fallback);
}

// Events are copied before they run, so a handler may replace itself without pulling the
// function out from under its own call.
template <typename... Args>
void raise(const std::function<void(Args...)>& event, Args... args)
{
    if (!event) return;
    const auto handler = event;
    handler(args...);
}

}  // namespace

void SafeSwitch::setValue(bool value)
{
    m_value = value;
    m_cell = restingCell();
    paintState();
    raiseClick();
}

void SafeSwitch::setEnable(bool enable)
{
    m_enable = enable;
    m_cell = restingCell();
    paintState();
}

void SafeSwitch::setSkin(int skin)
{
    m_skin = skin;
    applySkin();
}

void SafeSwitch::setScale(int percent)
{
    if (percent == m_scale) return;
    m_scale = percent;
    applySkin();
}

void SafeSwitch::mouseDown(MouseButton button)
{
    if (button != MouseButton::Left || !m_enable) return;
    m_pendingValue = !m_value;
    m_pressed = true;
    // The pressed look of the value still showing, not of the one the release will commit.
    m_cell = m_value ? kOnPressed : kOffPressed;
    paintState();
}

void SafeSwitch::mouseUp(MouseButton button)
{
    // A release away from the switch cancels the click; the pressed look stays until the next
    // poll takes the hover away. Only a release that answers this switch's own press commits: a
    // drag that began elsewhere and ends here is not a click.
    if (button != MouseButton::Left) return;
    const bool pressedHere = std::exchange(m_pressed, false);
    if (!m_enable || !pressedHere || !m_hover) return;
    m_value = m_pendingValue;
    m_cell = m_value ? kOnHover : kOffHover;
    paintState();
    raiseClick();
}

void SafeSwitch::keyPress()
{
    if (!m_enable) return;
    m_value = !m_value;
    // A mouse press still held is answered by this toggle: its release must not toggle again.
    m_pressed = false;
    m_cell = restingCell();
    paintState();
    raiseClick();
}

void SafeSwitch::poll(int x, int y)
{
    if (!m_enable) return;
    const SafeSwitchSkin skin = geometry();
    // Both bounds inclusive: the column and the row just beyond the switch still count as over it.
    const bool inside = x >= 0 && x <= skin.cellWidth && y >= 0 && y <= skin.cellHeight;
    if (inside && !m_hover) {
        m_hover = true;
        m_cell = m_value ? kOnHover : kOffHover;
        paintState();
        raise(onMouseIn);
    } else if (!inside && m_hover) {
        m_hover = false;
        m_cell = m_value ? kOnNormal : kOffNormal;
        paintState();
        raise(onMouseOut);
    }
}

void SafeSwitch::loadProperties(const StoredProperties& stored)
{
    setValue(readStored(stored, kValueKey, kDefaultValue, parseBool));
    setEnable(readStored(stored, kEnableKey, kDefaultEnable, parseBool));
    m_skin = readStored(stored, kSkinKey, kDefaultSkin, parseInteger<int>);
    applySkin();
}

SafeSwitch::StoredProperties SafeSwitch::saveProperties() const
{
    const auto text = [](bool flag) { return std::string(flag ? "True" : "False"); };
    StoredProperties stored;
    if (m_value != kDefaultValue) stored.emplace(kValueKey, text(m_value));
    if (m_enable != kDefaultEnable) stored.emplace(kEnableKey, text(m_enable));
    if (m_skin != kDefaultSkin) stored.emplace(kSkinKey, std::to_string(m_skin));
    return stored;
}

std::int16_t SafeSwitch::restingCell() const
{
    if (!m_enable) return m_value ? kOnDisabled : kOffDisabled;
    if (m_hover) return m_value ? kOnHover : kOffHover;
    return m_value ? kOnNormal : kOffNormal;
}

void SafeSwitch::applySkin()
{
    raise(onResize);
    paintState();
}

void SafeSwitch::paintState() { raise(onPaint); }

void SafeSwitch::raiseClick() { raise(onClick, m_value); }

}  // namespace vistrel
