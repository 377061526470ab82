#include "controls/ProgButton.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "base/TextParsing.h"

namespace vistrel {
namespace {

constexpr ProgButtonColor kTextColor{0, 0, 0};

// Every fractional value in the drawing becomes an integer this way: nearest, halves to even
// (20.5 -> 20, 21.5 -> 22). Written out so it does not depend on the FPU rounding mode.
int roundHalfEven(double x)
{
    if (!std::isfinite(x)) return 0;
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    x = std::clamp(x, kLow, kHigh);
    const double floor = std::floor(x);
    const double fraction = x - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1.0;
    return static_cast<int>(std::min(rounded, kHigh));
}

// (Value - Min) / (Max - Min) * 100, unrounded. In double so no 32-bit difference can overflow;
// nothing when the range is empty, where the percentage has no meaning.
std::optional<double> percentOf(std::int32_t value, std::int32_t min, std::int32_t max)
{
    if (max == min) return std::nullopt;
    const double span = static_cast<double>(max) - static_cast<double>(min);
    return (static_cast<double>(value) - static_cast<double>(min)) / span * 100.0;
}

// "0.00" followed by "%": at least one integer digit, exactly two decimals. The exact binary value
// is rounded, halves to even, the same on every platform.
std::string percentText(double percent)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 2);
    if (result.ec != std::errc{}) return {};
    std::string text(buffer, result.ptr);
    if (text == "-0.00") text = "0.00";  // a tiny negative percentage is still nothing
    return text + "%";
}

// Bytes in the UTF-8 character that starts with `lead` (1 for stray bytes, so bad text still moves on).
std::size_t utf8Length(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

ProgButton::ProgButton() : m_alive(std::make_shared<bool>(true)) {}

ProgButton::~ProgButton()
{
    *m_alive = false;
}

template <typename Handler, typename... Args>
bool ProgButton::raise(const Handler& handler, const Args&... args)
{
    if (!handler) return true;
    const std::shared_ptr<bool> alive = m_alive;
    Handler call = handler;
    call(args...);
    return *alive;
}

void ProgButton::setValue(std::int32_t newValue)
{
    if (newValue > m_max) newValue = m_max;
    if (newValue < m_min) newValue = m_min;
    m_value = newValue;
    redraw();
}

void ProgButton::setMin(std::int32_t newMin) { assign(m_min, newMin); }

void ProgButton::setMax(std::int32_t newMax) { assign(m_max, newMax); }

void ProgButton::setCaption(std::string newCaption)
{
    updateAccessKey(newCaption);
    assign(m_caption, std::move(newCaption));
}

void ProgButton::setStyle(std::int32_t newType) { assign(m_style, newType); }

void ProgButton::setColor(std::int32_t newScheme) { assign(m_color, newScheme); }

void ProgButton::setPicture(std::any picture) { assign(m_picture, std::move(picture)); }

// The key is the character after the last "&" that marks one, as the drawn text underlines it.
// "&&" draws a literal "&", so it marks nothing here either: "Save && E&xit" gives "x", and
// "A&&B" leaves the key as it was. A marking "&" at the very end gives an empty key.
void ProgButton::updateAccessKey(std::string_view caption)
{
    std::optional<std::string> key;
    std::size_t i = 0;
    while (i < caption.size()) {
        if (caption[i] != '&') {
            i += utf8Length(static_cast<unsigned char>(caption[i]));
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == '&') {
            i += 2;
            continue;
        }
        const std::size_t start = i + 1;
        const std::size_t length =
            start < caption.size() ? std::min(utf8Length(static_cast<unsigned char>(caption[start])),
                                              caption.size() - start)
                                   : 0;
        key = std::string(caption.substr(start, length));
        i = start + length;
    }
    if (key) m_accessKey = std::move(*key);
}

void ProgButton::readProperties(const PropertyReader& read)
{
    if (!read) return;
    const auto readNumber = [&read](std::string_view key, std::int32_t fallback) {
        return parseInteger<std::int32_t>(read(key, std::to_string(fallback))).value_or(fallback);
    };
    m_value = readNumber(kValueKey, kDefaultValue);
    m_min = readNumber(kMinKey, kDefaultMin);
    m_max = readNumber(kMaxKey, kDefaultMax);
    m_caption = read(kCaptionKey, kDefaultCaption);
    m_style = readNumber(kStyleKey, kDefaultStyle);
    m_color = readNumber(kColorKey, kDefaultColor);
    redraw();
}

void ProgButton::writeProperties(const PropertyWriter& write) const
{
    if (!write) return;
    const auto writeNumber = [&write](std::string_view key, std::int32_t number, std::int32_t fallback) {
        if (number != fallback) write(key, std::to_string(number));
    };
    writeNumber(kValueKey, m_value, kDefaultValue);
    writeNumber(kMinKey, m_min, kDefaultMin);
    writeNumber(kMaxKey, m_max, kDefaultMax);
    if (m_caption != kDefaultCaption) write(kCaptionKey, m_caption);
    writeNumber(kStyleKey, m_style, kDefaultStyle);
    writeNumber(kColorKey, m_color, kDefaultColor);
}

// The state changes only after the event, so a handler sees the control as it was.
void ProgButton::mouseDown(const MouseArgs& args)
{
    if (!raise(onMouseDown, args)) return;
    m_pressed = true;
    redraw();
}

void ProgButton::mouseMove(const MouseArgs& args)
{
    raise(onMouseMove, args);
}

void ProgButton::mouseUp(const MouseArgs& args)
{
    if (!raise(onMouseUp, args)) return;
    m_pressed = false;
    redraw();
}

void ProgButton::click()
{
    if (!raise(onClick)) return;
    redraw();
}

void ProgButton::dblClick()
{
    if (!raise(onDblClick)) return;
    redraw();
}

void ProgButton::cancelPress()
{
    if (!m_pressed) return;
    m_pressed = false;
    redraw();
}

bool ProgButton::keyDown(int keyCode)
{
    if (m_style != kKeyboardButtonStyle || (keyCode != kEnterKey && keyCode != kSpaceKey)) return false;
    if (!raise(onClick)) return true;
    raise(onFocusRequest);
    return true;
}

bool ProgButton::accessKeyPressed(std::string_view key)
{
    if (m_style != kKeyboardButtonStyle || m_accessKey.empty() || !equalsIgnoringAsciiCase(key, m_accessKey)) return false;
    raise(onClick);
    return true;
}

void ProgButton::setFocused(bool focused)
{
    m_focused = focused;
    redraw();
}

void ProgButton::redraw()
{
    if (const auto scheme = progButtonScheme(m_color)) m_colors = *scheme;
    raise(onRedraw);
}

ProgButtonDisplay ProgButton::display(int width, int height, const TextMeasure& measure) const
{
    ProgButtonDisplay d;
    d.width = std::max(width, 0);
    d.height = std::max(height, 0);
    d.halfHeight = roundHalfEven(d.height / 2.0);
    d.right = d.width - 1;
    d.bottom = d.height - 1;
    const ProgButtonColorSet& c = m_colors;

    const auto addBand = [&d](ProgButtonRect rect, ProgButtonColor top, ProgButtonColor bottom) {
        if (rect.right > rect.left && rect.bottom > rect.top) d.bands.push_back({rect, top, bottom});
    };
    addBand({0, 0, d.width, d.halfHeight}, c[0], c[1]);
    addBand({0, d.halfHeight, d.width, d.height}, c[2], c[3]);

    const std::optional<double> percent = percentOf(m_value, m_min, m_max);
    if (m_style == kProgressStyle) {
        // The fill never leaves the face: a Value outside Min..Max (stored, or left behind by a
        // later Min or Max) fills nothing or everything, while the text shows the true percentage.
        const int wholePercent = percent ? roundHalfEven(std::clamp(*percent, 0.0, 100.0)) : 0;
        const auto product = static_cast<long long>(wholePercent) * std::max(d.right, 0);
        const int fill = roundHalfEven(static_cast<double>(product) / 100.0);
        d.fillWidth = fill;
        addBand({0, 0, fill, d.halfHeight}, c[4], c[5]);
        addBand({0, d.halfHeight, fill, d.height}, c[6], c[7]);
        // An empty range (Max == Min) has no percentage to show.
        d.text = percent ? percentText(*percent) : std::string();
    } else {
        // The pressed face stops one column short of the face's right edge.
        if (m_pressed) {
            addBand({0, 0, d.right, d.halfHeight}, c[4], c[5]);
            addBand({0, d.halfHeight, d.right, d.height}, c[6], c[7]);
        }
        d.text = m_caption;
        // Taken from the current size rather than the size when focus came, so a resize never
        // leaves a stale frame.
        if (m_focused) d.focusRect = ProgButtonRect{3, 3, d.right - 3, d.bottom - 3};
    }

    d.outline = {0, 0, d.right, d.bottom};
    d.outlineColor = c[8];
    d.textColor = kTextColor;

    const ProgButtonTextSize size = measure ? measure(d.text) : ProgButtonTextSize{};
    d.textRect.left = roundHalfEven(d.right / 2.0 - size.width / 2.0);
    d.textRect.top = roundHalfEven(d.bottom / 2.0 - size.height / 2.0);
    d.textRect.right = d.textRect.left + size.width;
    d.textRect.bottom = d.textRect.top + size.height;
    return d;
}

}  // namespace vistrel
