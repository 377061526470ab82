#include "text/TextArguments.h"

namespace vistrel {
namespace {

// The placeholder's text after "{", up to its "}", or nothing when it is not one.
std::optional<std::string_view> placeholder(std::string_view pattern, std::size_t open)
{
    const std::size_t close = pattern.find('}', open);
    if (close == pattern.npos || close == open + 1) return std::nullopt;
    const std::string_view inside = pattern.substr(open + 1, close - open - 1);
    if (inside[0] < '0' || inside[0] > '9' || (inside.size() > 1 && inside[1] != '|')) return std::nullopt;
    return inside;
}

std::optional<std::string> fill(std::string_view inside, const std::vector<TextArgument>& arguments)
{
    const std::size_t index = static_cast<std::size_t>(inside[0] - '0');
    if (index >= arguments.size()) return std::nullopt;
    const TextArgument& argument = arguments[index];
    if (inside.size() == 1) return argument.text;
    const std::string_view forms = inside.substr(2);
    const std::size_t bar = forms.find('|');
    if (bar == forms.npos) return std::nullopt;
    return std::string(argument.number == 1 ? forms.substr(0, bar) : forms.substr(bar + 1));
}

}  // namespace

std::string fillText(std::string_view pattern, const std::vector<TextArgument>& arguments)
{
    std::string text;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t open = pattern.find('{', at);
        if (open == pattern.npos) break;
        text.append(pattern.substr(at, open - at));
        const auto inside = placeholder(pattern, open);
        const auto filled = inside ? fill(*inside, arguments) : std::nullopt;
        if (!filled) {
            text.push_back('{');
            at = open + 1;
            continue;
        }
        text.append(*filled);
        at = open + inside->size() + 2;
    }
    text.append(pattern.substr(at));
    return text;
}

}  // namespace vistrel
