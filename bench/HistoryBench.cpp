#include <benchmark/benchmark.h>

#include <string>

#include "history/HistoryStats.h"

namespace vistrel {
namespace {

// A year of working days as the recorder writes them: about 20 000 lines.
std::string yearOfHistory()
{
    static constexpr std::int64_t kFirstDay = 20000;
    std::string text = std::string(kHistoryHeader) + "\n";
    auto add = [&](std::int64_t day, int minuteOfDay, HistoryEvent event, std::int64_t value = 0) {
        text += historyLine({LocalTime{day * LocalTime::kSecondsPerDay + minuteOfDay * 60}, 8 * 3600, event, value}) + "\n";
    };
    for (std::int64_t day = kFirstDay; day < kFirstDay + 365; ++day) {
        add(day, 8 * 60, HistoryEvent::Start);
        for (int slot = 0; slot < 14; ++slot) {
            const int minute = 8 * 60 + 45 + slot * 40;
            add(day, minute, HistoryEvent::Prompt);
            if (slot % 3 == 2) {
                add(day, minute, HistoryEvent::Continue);
            } else {
                add(day, minute, HistoryEvent::Rest, 10);
                add(day, minute + 10, HistoryEvent::RestDone);
            }
            add(day, minute + 30, HistoryEvent::EyeBreak);
        }
        add(day, 18 * 60, HistoryEvent::Exit);
    }
    return text;
}

void BM_AggregateAYearOfHistory(benchmark::State& state)
{
    const std::string text = yearOfHistory();
    const LocalTime now{(20000 + 365) * LocalTime::kSecondsPerDay};
    for (auto _ : state) {
        const ParsedHistory parsed = parseHistory(text);
        benchmark::DoNotOptimize(aggregateHistory(parsed.records, now, 8 * 3600));
    }
    state.counters["lines"] = static_cast<double>(parseHistory(text).records.size());
}
BENCHMARK(BM_AggregateAYearOfHistory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vistrel
