#include "history/HistoryStats.h"

#include <algorithm>
#include <map>
#include <optional>

namespace vistrel {
namespace {

constexpr std::int64_t kDay = LocalTime::kSecondsPerDay;

struct Moment {
    LocalTime local;
    UtcTime utc;

    static Moment of(const HistoryRecord& r) { return {r.local, r.utc()}; }
    Moment minusSeconds(std::int64_t s) const { return {LocalTime{local.seconds - s}, UtcTime{utc.seconds - s}}; }
};

class Aggregator {
public:
    void add(const HistoryRecord& record)
    {
        const Moment at = Moment::of(record);
        if (record.event == HistoryEvent::Start) {
            // A run without `exit` ended with its last event.
            if (m_runStart && m_last) closeRun(*m_last);
            m_runStart = m_stretchStart = at;
        } else if (!m_runStart) {
            // The file began inside a run (rolled over, or recording turned on meanwhile).
            m_runStart = m_stretchStart = at;
        }
        count(record, at);
        m_last = at;
    }

    std::vector<DayStats> finish(Moment now)
    {
        if (m_runStart) closeRun(now);
        std::vector<DayStats> days;
        days.reserve(m_days.size());
        for (auto& [number, stats] : m_days) days.push_back(stats);
        return days;
    }

private:
    DayStats& day(LocalTime time)
    {
        const std::int64_t number = localDayNumber(time);
        DayStats& stats = m_days[number];
        stats.day = number;
        return stats;
    }

    void count(const HistoryRecord& record, Moment at)
    {
        DayStats& today = day(at.local);
        switch (record.event) {
        case HistoryEvent::Start: break;
        case HistoryEvent::Exit: closeRun(at); break;
        case HistoryEvent::Prompt: ++today.prompted; break;
        case HistoryEvent::Rest:
            ++today.restsTaken;
            closeStretch(at);
            m_rest = {at.local, record.value};
            break;
        case HistoryEvent::RestDone:
            ++restDay(at).restsCompleted;
            restDay(at).secondsRested += m_rest ? m_rest->minutes * 60 : 0;
            endRest(at);
            break;
        case HistoryEvent::RestCut:
            ++restDay(at).restsCut;
            restDay(at).secondsRested += record.value;
            endRest(at);
            break;
        case HistoryEvent::Continue:
        case HistoryEvent::DisplayOff:
        case HistoryEvent::LockDisplayOff: ++today.restsSkipped; break;
        case HistoryEvent::Postpone: ++today.postponed; break;
        case HistoryEvent::Held: ++today.held; break;
        case HistoryEvent::EyeBreak: ++today.eyeBreaks; break;
        case HistoryEvent::EyeBreakSkipped: ++today.eyeBreaksSkipped; break;
        case HistoryEvent::Away: away(record.value * 60, at); break;
        case HistoryEvent::Pause:
        case HistoryEvent::Resume: break;
        }
    }

    DayStats& restDay(Moment at) { return day(m_rest ? m_rest->started : at.local); }

    void endRest(Moment at)
    {
        m_rest.reset();
        m_stretchStart = at;
    }

    void away(std::int64_t seconds, Moment back)
    {
        // Logged on coming back: the user left `seconds` before, though not before this run began.
        Moment left = back.minusSeconds(seconds);
        if (left.utc.seconds < m_runStart->utc.seconds) left = *m_runStart;
        DayStats& stats = day(left.local);
        ++stats.awayAsRest;
        stats.secondsRested += back.utc.seconds - left.utc.seconds;
        spread(*m_runStart, left, [](DayStats& d, std::int64_t s) { d.screenSeconds += s; });
        closeStretch(left);
        m_runStart = m_stretchStart = back;
    }

    void closeRun(Moment end)
    {
        spread(*m_runStart, end, [](DayStats& d, std::int64_t s) { d.screenSeconds += s; });
        closeStretch(end);
        m_runStart.reset();
        m_rest.reset();
    }

    void closeStretch(Moment end)
    {
        if (!m_stretchStart) return;
        spread(*m_stretchStart, end,
               [](DayStats& d, std::int64_t s) { d.longestStretchSeconds = std::max(d.longestStretchSeconds, s); });
        m_stretchStart.reset();
    }

    // Hands each local day its part of [from, to]: the length is real time, so a daylight-saving
    // change inside the span shortens or lengthens the part of the day it happened on.
    template <typename Add>
    void spread(Moment from, Moment to, Add add)
    {
        std::int64_t left = to.utc.seconds - from.utc.seconds;
        if (left <= 0) return;
        LocalTime at = from.local;
        while (localDayNumber(at) < localDayNumber(to.local)) {
            const std::int64_t part = std::min(left, kDay - at.secondOfDay());
            add(day(at), part);
            left -= part;
            at = LocalTime{at.seconds + (kDay - at.secondOfDay())};
        }
        if (left > 0) add(day(to.local), left);
    }

    struct OpenRest {
        LocalTime started;
        std::int64_t minutes = 0;
    };

    std::map<std::int64_t, DayStats> m_days;
    std::optional<Moment> m_runStart;      // running and not away since
    std::optional<Moment> m_stretchStart;  // working without a rest since
    std::optional<Moment> m_last;
    std::optional<OpenRest> m_rest;
};

}  // namespace

ParsedHistory parseHistory(std::string_view text)
{
    ParsedHistory parsed;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line == kHistoryHeader) continue;
        if (auto record = parseHistoryLine(line)) parsed.records.push_back(*record);
        else ++parsed.skippedLines;
    }
    return parsed;
}

std::vector<DayStats> aggregateHistory(const std::vector<HistoryRecord>& records, LocalTime now,
                                       std::int64_t nowUtcOffsetSeconds)
{
    Aggregator aggregator;
    for (const HistoryRecord& record : records) aggregator.add(record);
    return aggregator.finish({now, UtcTime{now.seconds - nowUtcOffsetSeconds}});
}

std::vector<DayStats> lastDays(const std::vector<DayStats>& days, LocalTime today, int count)
{
    std::vector<DayStats> last(static_cast<size_t>(std::max(count, 0)));
    const std::int64_t first = localDayNumber(today) - count + 1;
    for (size_t i = 0; i < last.size(); ++i) last[i].day = first + static_cast<std::int64_t>(i);
    for (const DayStats& stats : days)
        if (stats.day >= first && stats.day < first + count) last[static_cast<size_t>(stats.day - first)] = stats;
    return last;
}

}  // namespace vistrel
