#include "settings/IniLine.h"

#include <algorithm>

#include "base/TextParsing.h"

namespace vistrel {

IniLine IniLine::parse(std::string_view text)
{
    const std::string_view content = trim(text);
    if (content.empty()) return {};
    if (content.front() == '[') {
        const std::size_t close = content.rfind(']');
        if (close != std::string_view::npos)
            return {Kind::Section, normalName(content.substr(1, close - 1)), std::nullopt, 0};
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return {Kind::Key, normalName(text), std::nullopt, text.size()};
    std::size_t valueOffset = equals + 1;
    while (valueOffset < text.size() && isBlank(text[valueOffset])) ++valueOffset;
    return {Kind::Key, normalName(text.substr(0, equals)), trim(text.substr(equals + 1)), valueOffset};
}

std::string_view IniLine::normalName(std::string_view name) { return trim(cutAtNul(name)); }

bool IniLine::isBlank(char c) { return vistrel::isBlank(c) || c == '\x1A'; }

std::string_view IniLine::trim(std::string_view text)
{
    text = trimStart(text);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view IniLine::trimStart(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view IniLine::cutAtNul(std::string_view text)
{
    return text.substr(0, std::min(text.find('\0'), text.size()));
}

}  // namespace vistrel
