#include "reminder/MinuteSettings.h"

#include <charconv>
#include <utility>

namespace vistrel {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<int> parseMinutes(std::string_view text, const MinuteRange& range)
{
    const std::string_view digits = trimmed(text);
    if (digits.empty()) return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;  // no sign, no fraction, no exponent
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;  // too long
    if (value < range.min || value > range.max) return std::nullopt;
    return value;
}

void MinuteSettings::load(std::string_view workText, std::string_view restText)
{
    m_workMinutes = parseMinutes(workText, kWorkMinuteRange).value_or(kDefaultWorkMinutes);
    m_restMinutes = parseMinutes(restText, kRestMinuteRange).value_or(kDefaultRestMinutes);
    m_workText = std::to_string(m_workMinutes);
    m_restText = std::to_string(m_restMinutes);
}

void MinuteSettings::setWorkText(std::string text)
{
    if (const auto minutes = parseMinutes(text, kWorkMinuteRange)) m_workMinutes = *minutes;
    m_workText = std::move(text);
}

void MinuteSettings::setRestText(std::string text)
{
    if (const auto minutes = parseMinutes(text, kRestMinuteRange)) m_restMinutes = *minutes;
    m_restText = std::move(text);
}

const MinuteRange* MinuteSettings::invalidRange() const
{
    if (!parseMinutes(m_workText, kWorkMinuteRange)) return &kWorkMinuteRange;
    if (!parseMinutes(m_restText, kRestMinuteRange)) return &kRestMinuteRange;
    return nullptr;
}

void MinuteSettings::normaliseTexts()
{
    if (parseMinutes(m_workText, kWorkMinuteRange)) m_workText = std::to_string(m_workMinutes);
    if (parseMinutes(m_restText, kRestMinuteRange)) m_restText = std::to_string(m_restMinutes);
}

}  // namespace vistrel
