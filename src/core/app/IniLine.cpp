#include "app/IniLine.h"

#include <algorithm>

namespace vistrel {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

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

bool IniLine::sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string_view IniLine::trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return trimEnd(text);
}

std::string_view IniLine::trimEnd(std::string_view text)
{
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view IniLine::cutAtNul(std::string_view text)
{
    return text.substr(0, std::min(text.find('\0'), text.size()));
}

}  // namespace vistrel
