#include "history/HistoryEvent.h"

#include "base/LocalDateTime.h"
#include "base/TextParsing.h"

namespace vistrel {
namespace {

std::string twoDigits(std::int64_t n) { return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)}; }

std::string offsetText(std::int64_t seconds)
{
    const char sign = seconds < 0 ? '-' : '+';
    const std::int64_t minutes = (seconds < 0 ? -seconds : seconds) / 60;
    return sign + twoDigits(minutes / 60 % 100) + ":" + twoDigits(minutes % 60);
}

std::optional<std::int64_t> parseOffset(std::string_view text)
{
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') return std::nullopt;
    const auto hours = parseInteger<int>(text.substr(1, 2));
    const auto minutes = parseInteger<int>(text.substr(4, 2));
    if (!hours || !minutes || *hours > 14 || *minutes > 59 || text[1] == '+' || text[4] == '+') return std::nullopt;
    const std::int64_t seconds = (*hours * 60 + *minutes) * 60;
    return text[0] == '-' ? -seconds : seconds;
}

std::optional<LocalTime> parseTime(std::string_view text)
{
    // "yyyy-mm-dd hh:mm:ss": the minutes part reads as the settings' form, the seconds are added.
    if (text.size() != 19 || text[16] != ':') return std::nullopt;
    const auto minute = parseLocalDateTime(text.substr(0, 16));
    const auto second = text[17] >= '0' && text[17] <= '5' && text[18] >= '0' && text[18] <= '9';
    if (!minute || !second) return std::nullopt;
    return LocalTime{minute->seconds + (text[17] - '0') * 10 + (text[18] - '0')};
}

}  // namespace

std::string_view historyEventName(HistoryEvent event) { return kHistoryEventNames[static_cast<size_t>(event)]; }

std::optional<HistoryEvent> parseHistoryEvent(std::string_view name)
{
    for (size_t i = 0; i < kHistoryEventNames.size(); ++i)
        if (kHistoryEventNames[i] == name) return static_cast<HistoryEvent>(i);
    return std::nullopt;
}

bool historyEventHasValue(HistoryEvent event)
{
    return event == HistoryEvent::Rest || event == HistoryEvent::RestCut || event == HistoryEvent::Away ||
           event == HistoryEvent::Pause;
}

std::string historyLine(const HistoryRecord& record)
{
    const LocalTime t = record.local;
    std::string line = localDateTimeText(t) + ":" + twoDigits(t.second()) + "," +
                       std::string(historyEventName(record.event)) + ",";
    if (historyEventHasValue(record.event)) line += std::to_string(record.value);
    return line + "," + offsetText(record.utcOffsetSeconds);
}

std::optional<HistoryRecord> parseHistoryLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::array<std::string_view, 4> fields;
    for (size_t i = 0; i < fields.size(); ++i) {
        const size_t comma = line.find(',');
        if ((comma == std::string_view::npos) != (i == fields.size() - 1)) return std::nullopt;
        fields[i] = line.substr(0, comma);
        line.remove_prefix(comma == std::string_view::npos ? line.size() : comma + 1);
    }
    HistoryRecord record;
    const auto time = parseTime(fields[0]);
    const auto event = parseHistoryEvent(fields[1]);
    const auto offset = parseOffset(fields[3]);
    if (!time || !event || !offset) return std::nullopt;
    record.local = *time;
    record.event = *event;
    record.utcOffsetSeconds = *offset;
    if (historyEventHasValue(*event)) {
        const auto value = parseInteger<std::int64_t>(fields[2]);
        if (!value || *value < 0 || fields[2].front() == '+' || fields[2].front() == ' ') return std::nullopt;
        record.value = *value;
    } else if (!fields[2].empty()) {
        return std::nullopt;
    }
    return record;
}

}  // namespace vistrel
