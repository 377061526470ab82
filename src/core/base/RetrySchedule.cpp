#include "base/RetrySchedule.h"

#include <algorithm>

namespace vistrel {

std::optional<int> RetrySchedule::delayAfter(int failures) const
{
    if (failures < 1 || m_options.firstDelayMs <= 0) return std::nullopt;
    // Doubling from the first delay up to the longest; the last wait is cut so that the final
    // attempt comes when the total is reached, not up to a longest delay after it.
    long long elapsed = 0;
    long long delay = m_options.firstDelayMs;
    for (int i = 1; i < failures && elapsed < m_options.totalMs; ++i) {
        elapsed += std::min<long long>(delay, m_options.totalMs - elapsed);
        delay = std::min<long long>(delay * 2, m_options.longestDelayMs);
    }
    const long long left = m_options.totalMs - elapsed;
    if (left <= 0) return std::nullopt;
    return static_cast<int>(std::min(delay, left));
}

}  // namespace vistrel
