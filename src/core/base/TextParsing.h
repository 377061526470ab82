#pragma once
#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace vistrel {

// The few text rules every reader of settings and stored properties shares.

// Blanks as the profile functions skip them around names and values.
constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view trimEnd(std::string_view text);
std::string_view trim(std::string_view text);

// Compares the way the profile functions compare names: ASCII letters without regard to case,
// every other byte as it is.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// A whole decimal number of type Int with blanks around it and an optional sign ("+7", "-7"); none
// when anything else is in the text or the number does not fit.
template <typename Int>
std::optional<Int> parseInteger(std::string_view text)
{
    text = trim(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    Int number{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return number;
}

}  // namespace vistrel
