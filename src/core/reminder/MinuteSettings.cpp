#include "reminder/MinuteSettings.h"

#include <utility>

#include "base/TextParsing.h"

namespace vistrel {

std::string outOfRangeMessage(const MinuteRange& range, const Texts& texts)
{
    return texts(ReminderText::OutOfRange, texts(range.name), range.min, range.max);
}

std::string minuteRangesHint(const Texts& texts)
{
    const auto part = [&texts](const MinuteRange& range) {
        return texts(ReminderText::RangeHintPart, texts(range.shortName), range.min, range.max);
    };
    return texts(ReminderText::RangeHint, part(kWorkMinuteRange), part(kRestMinuteRange));
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
