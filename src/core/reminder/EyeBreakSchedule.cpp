#include "reminder/EyeBreakSchedule.h"

namespace vistrel {

EyeBreakSchedule::Decision EyeBreakSchedule::follow(const Moment& moment, const std::function<bool()>& busy)
{
    const bool off = moment.everyMinutes <= 0;
    if (moment.breakOpen) {
        // The period after a break counts from its end.
        m_periodStart = moment.now;
        return off || moment.skip ? Decision::Close : Decision::None;
    }
    // A clock set back before the period's start would hold the breaks off for as long.
    const bool clockWentBack = m_periodStart && moment.now.seconds < m_periodStart->seconds;
    if (off || !m_periodStart || clockWentBack) {
        m_periodStart = moment.now;
        return Decision::None;
    }
    if (moment.locked || moment.idleSeconds >= moment.breakSeconds) {
        m_periodStart = moment.now;
        return Decision::Restart;
    }
    if (moment.now.seconds - m_periodStart->seconds < std::int64_t{moment.everyMinutes} * 60) return Decision::None;
    m_periodStart = moment.now;
    if (moment.skip || (busy && busy())) return Decision::Skip;
    return Decision::Open;
}

}  // namespace vistrel
