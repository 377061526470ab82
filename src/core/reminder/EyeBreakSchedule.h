#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "base/Clock.h"

namespace vistrel {

// When an eye break falls due: every so many minutes of work, measured in real time so that a
// clock change neither brings one early nor holds one back. A break that cannot open when due is
// skipped, not held: its period starts again. Time without input as long as a break counts as one.
class EyeBreakSchedule {
public:
    enum class Decision {
        None,
        Open,     // a break is due and may open
        Close,    // the open break must go: the breaks were turned off or are skipped now
        Restart,  // the period began afresh: the user had the break away from the keys
        Skip,     // a break fell due but could not open; the period begins afresh
    };

    struct Moment {
        UtcTime now;
        std::int64_t idleSeconds = 0;  // since the last keyboard or mouse input
        bool locked = false;           // the session is locked: as good as idle
        bool breakOpen = false;
        int everyMinutes = 0;  // 0: eye breaks are off
        int breakSeconds = 0;
        // Something the reminder knows at no cost skips breaks now (switched off, paused, a rest
        // near or running, outside working hours); an open break closes.
        bool skip = false;
    };

    // One tick. `busy` is asked only when a break is due, since answering it may cost a look at the
    // system.
    Decision follow(const Moment& moment, const std::function<bool()>& busy);

private:
    std::optional<UtcTime> m_periodStart;
};

}  // namespace vistrel
