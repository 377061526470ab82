#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// An argument of a text: what it shows, and its number when it is one (for plurals).
struct TextArgument {
    std::string text;
    std::optional<std::int64_t> number;

    TextArgument(std::string_view value) : text(value) {}
    TextArgument(const std::string& value) : text(value) {}
    TextArgument(const char* value) : text(value) {}
    template <class Number>
        requires std::is_integral_v<Number>
    TextArgument(Number value) : text(std::to_string(value)), number(static_cast<std::int64_t>(value))
    {
    }
};

// Puts the arguments into a pattern (see TextEntry). A missing argument leaves the placeholder as
// it stands, so a faulty entry shows rather than hides.
std::string fillText(std::string_view pattern, const std::vector<TextArgument>& arguments);

}  // namespace vistrel
