#pragma once
#include <optional>

namespace vistrel {

// When to try again something that failed at start because a service of the session was not up
// yet (the notification area, the terminal-services session at logon): soon at first, then less
// often, until about two minutes have passed. Pure arithmetic; the shell runs the timer.
class RetrySchedule {
public:
    struct Options {
        int firstDelayMs = 1000;
        int longestDelayMs = 30000;
        int totalMs = 120000;  // from the first failure to the last attempt
    };

    RetrySchedule() = default;
    explicit RetrySchedule(Options options) : m_options(options) {}

    // The wait before the next attempt once `failures` attempts (at least one) have failed;
    // nothing once the time given to the retries is spent.
    std::optional<int> delayAfter(int failures) const;

private:
    Options m_options;
};

}  // namespace vistrel
