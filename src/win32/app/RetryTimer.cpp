#include "app/RetryTimer.h"

#include "base/Trace.h"

namespace vistrel::win32 {

RetryTimer::RetryTimer(Options options, RetrySchedule schedule)
    : m_options(std::move(options)), m_schedule(schedule)
{
}

RetryTimer::~RetryTimer() { stop(); }

bool RetryTimer::start(HWND window)
{
    stop();
    m_window = window;
    m_failures = 0;
    return attempt();
}

void RetryTimer::stop()
{
    if (m_armed && m_window) KillTimer(m_window, m_options.timerId);
    m_armed = false;
}

bool RetryTimer::onTimer(UINT_PTR timerId)
{
    if (timerId != m_options.timerId || !m_window) return false;
    stop();  // one shot: the next wait differs
    attempt();
    return true;
}

bool RetryTimer::attempt()
{
    bool taken = false;
    if (m_injectedFailures > 0) {
        --m_injectedFailures;
        trace(m_options.what + L" made to fail, as at an early logon");
    } else {
        taken = m_options.attempt && m_options.attempt();
    }
    if (taken) {
        if (m_failures > 0) trace(m_options.what + L" succeeded on attempt " + std::to_wstring(m_failures + 1));
        return true;
    }
    ++m_failures;
    const auto delay = m_schedule.delayAfter(m_failures);
    if (!delay) {
        trace(m_options.what + L" given up after " + std::to_wstring(m_failures) + L" attempts");
        if (m_options.gaveUp) m_options.gaveUp();
        return false;
    }
    m_armed = m_window && SetTimer(m_window, m_options.timerId, static_cast<UINT>(*delay), nullptr) != 0;
    if (!m_armed) traceLastError(L"SetTimer to retry " + m_options.what);
    return false;
}

}  // namespace vistrel::win32
