#include "JsonLine.h"

#include <cstdio>

namespace vistrel::wininspect {
namespace {

// Length of the UTF-8 sequence starting at text[i], or 0 when it is malformed.
size_t utf8SequenceLength(std::string_view text, size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else return 0;
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

std::string JsonLine::escape(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + 2);
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        switch (c) {
        case '"': out += "\\\""; ++i; continue;
        case '\\': out += "\\\\"; ++i; continue;
        case '\n': out += "\\n"; ++i; continue;
        case '\r': out += "\\r"; ++i; continue;
        case '\t': out += "\\t"; ++i; continue;
        default: break;
        }
        if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
            ++i;
            continue;
        }
        const size_t length = utf8SequenceLength(utf8, i);
        if (length == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        out.append(utf8.substr(i, length));
        i += length;
    }
    return out;
}

void JsonLine::key(std::string_view name)
{
    m_body += m_body.empty() ? "\"" : ", \"";
    m_body += escape(name);
    m_body += "\": ";
}

JsonLine& JsonLine::add(std::string_view name, std::int64_t value)
{
    key(name);
    m_body += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::add(std::string_view name, bool value)
{
    key(name);
    m_body += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::add(std::string_view name, std::string_view utf8)
{
    key(name);
    m_body += '"';
    m_body += escape(utf8);
    m_body += '"';
    return *this;
}

JsonLine& JsonLine::add(std::string_view name, const ScreenRect& rect)
{
    key(name);
    m_body += "{\"left\": " + std::to_string(rect.left) + ", \"top\": " + std::to_string(rect.top) +
              ", \"right\": " + std::to_string(rect.right) + ", \"bottom\": " + std::to_string(rect.bottom) +
              "}";
    return *this;
}

JsonLine& JsonLine::add(std::string_view name, std::optional<std::int64_t> value)
{
    if (value) return add(name, *value);
    return addRaw(name, "null");
}

JsonLine& JsonLine::addRaw(std::string_view name, std::string_view json)
{
    key(name);
    m_body += json;
    return *this;
}

std::string JsonLine::line() const { return "{" + m_body + "}\n"; }

}  // namespace vistrel::wininspect
