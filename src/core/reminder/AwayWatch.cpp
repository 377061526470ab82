#include "reminder/AwayWatch.h"

namespace vistrel {

AwayWatch::Outcome AwayWatch::follow(const Presence& presence, UtcTime now, std::int64_t restSeconds)
{
    if (!presence.locked())
        m_lockedSince.reset();
    else if (!m_lockedSince)
        m_lockedSince = now;
    // The lock screen sees mouse moves too, so a locked session counts on its own.
    const bool lockedLongEnough = m_lockedSince && now.seconds - m_lockedSince->seconds >= restSeconds;
    const bool away = lockedLongEnough || presence.idleSeconds() >= restSeconds;
    if (away == m_away) return Outcome::None;
    m_away = away;
    return away ? Outcome::WentAway : Outcome::CameBack;
}

void AwayWatch::reset()
{
    m_away = false;
    m_lockedSince.reset();
}

}  // namespace vistrel
