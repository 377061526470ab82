#include "gamma/SliderSetting.h"

#include <algorithm>
#include <cstdint>

namespace vistrel {

int sliderValueFromSetting(std::string_view text, int min, int max, int neutral)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return neutral;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);

    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return neutral;

    // Saturates instead of overflowing: "99999999999" is simply far above any slider's maximum.
    constexpr std::int64_t kCap = std::int64_t{1} << 40;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return neutral;
        if (magnitude < kCap) magnitude = magnitude * 10 + (c - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::min<std::int64_t>(std::max<std::int64_t>(value, min), max));
}

}  // namespace vistrel
