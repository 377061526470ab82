#pragma once
#include <cstdint>
#include <optional>

#include "base/Clock.h"
#include "reminder/Presence.h"

namespace vistrel {

// Whether the user has been away for a rest: no input, or a locked session, for the rest minutes.
// Measured in real time, so a clock change neither makes a short absence a rest nor hides one.
class AwayWatch {
public:
    enum class Outcome { None, WentAway, CameBack };

    // One tick's look at the user; says when they went away or came back.
    Outcome follow(const Presence& presence, UtcTime now, std::int64_t restSeconds);
    bool away() const { return m_away; }
    void reset();

private:
    bool m_away = false;
    std::optional<UtcTime> m_lockedSince;
};

}  // namespace vistrel
