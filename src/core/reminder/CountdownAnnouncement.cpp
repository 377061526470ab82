#include "reminder/CountdownAnnouncement.h"

#include "base/TextParsing.h"

namespace vistrel {
namespace {

constexpr long kLastMinuteMarks[] = {30, 10};

// Whether a mark lies in (current, previous]: the seconds counted down past it or onto it.
bool passes(long previous, long current, long mark) { return current <= mark && mark < previous; }

}  // namespace

std::optional<long> CountdownAnnouncement::secondsIn(std::string_view text)
{
    long seconds = 0;
    int fields = 0;
    while (true) {
        const size_t colon = text.find(':');
        const auto field = parseInteger<long>(text.substr(0, colon));
        if (!field || *field < 0 || *field > 99999) return std::nullopt;
        seconds = seconds * 60 + *field;
        ++fields;
        if (colon == std::string_view::npos) break;
        text.remove_prefix(colon + 1);
    }
    if (fields < 2) return std::nullopt;
    return seconds;
}

bool CountdownAnnouncement::announces(std::string_view previous, std::string_view current)
{
    const auto now = secondsIn(current);
    if (!now) return false;
    const auto before = secondsIn(previous);
    if (!before) return true;
    if (*now >= *before) return *now != *before;  // a new countdown started
    // The lowest whole minute at or above the current time; a countdown at zero passed no minute.
    const long minuteMark = *now == 0 ? 60 : (*now + 59) / 60 * 60;
    if (passes(*before, *now, minuteMark)) return true;
    for (long mark : kLastMinuteMarks)
        if (passes(*before, *now, mark)) return true;
    return false;
}

}  // namespace vistrel
