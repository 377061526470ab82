#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "base/RetrySchedule.h"

namespace vistrel::win32 {

// Makes an attempt again, on a timer of its window, while it fails: for what the program
// registers with the shell or the session at start, which at logon may come up after the
// program. The backoff is RetrySchedule's; the window hands its WM_TIMER messages to onTimer.
// The attempt traces its own failures; this traces a success that needed retries, and giving up.
class RetryTimer {
public:
    struct Options {
        UINT_PTR timerId = 0;
        std::wstring what;              // the attempt, as the traces name it
        std::function<bool()> attempt;  // true once it has taken
        std::function<void()> gaveUp;   // the schedule's time is spent and the attempt never took
    };

    explicit RetryTimer(Options options, RetrySchedule schedule = {});
    ~RetryTimer();
    RetryTimer(const RetryTimer&) = delete;
    RetryTimer& operator=(const RetryTimer&) = delete;

    // Attempts now and, while that fails, again on the schedule, on a timer of `window`. A later
    // call starts afresh. True when the attempt made now took.
    bool start(HWND window);
    void stop();
    // The next attempt when timerId is this one's; false for any other timer.
    bool onTimer(UINT_PTR timerId);

    // For the end-to-end tests' copy of the program only: the first `count` attempts of the run
    // fail without being made, as they do while the shell or the session is not up yet.
    void failFirst(int count) { m_injectedFailures = count; }

private:
    bool attempt();

    Options m_options;
    RetrySchedule m_schedule;
    HWND m_window = nullptr;
    int m_failures = 0;  // since the last start
    bool m_armed = false;
    int m_injectedFailures = 0;
};

}  // namespace vistrel::win32
