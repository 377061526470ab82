#include "reminder/MinuteSettings.h"

#include <utility>

#include "base/TextParsing.h"

namespace vistrel {

namespace {

std::string rangeText(const MinuteRange& range, std::string_view separator)
{
    return std::to_string(range.min) + std::string(separator) + std::to_string(range.max);
}

}  // namespace

std::string outOfRangeMessage(const MinuteRange& range)
{
    return std::string(range.name) + "必须是 " + rangeText(range, " 到 ") + " 之间的整数";
}

std::string minuteRangesHint()
{
    const auto part = [](const MinuteRange& range) {
        return std::string(range.shortName) + " " + rangeText(range, " - ") + " 分钟";
    };
    return part(kWorkMinuteRange) + "，" + part(kRestMinuteRange);
}

std::optional<int> parseMinutes(std::string_view text, const MinuteRange& range)
{
    const std::string_view digits = trim(text);
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;  // no sign, no fraction, no exponent
    const auto value = parseInteger<int>(digits);  // none when empty or too long
    if (!value || *value < range.min || *value > range.max) return std::nullopt;
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
