#include <gtest/gtest.h>

#include "app/RetryTimer.h"
#include "win32/controls/HostWindow.h"

namespace vistrel::win32 {
namespace {

// Runs the host's timer messages through the retry until it has nothing armed or time is up.
void pumpTimers(HWND host, RetryTimer& retry, DWORD forMs)
{
    const ULONGLONG until = GetTickCount64() + forMs;
    while (GetTickCount64() < until) {
        MSG msg;
        while (PeekMessageW(&msg, host, 0, 0, PM_REMOVE))
            if (msg.message == WM_TIMER) retry.onTimer(msg.wParam);
        Sleep(5);
    }
}

TEST(RetryTimer, GivesUpOnceWhenTheScheduleIsSpentAndNotWhenAnAttemptTakes)
{
    testing::HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be made here";
    const RetrySchedule quick({.firstDelayMs = 10, .longestDelayMs = 10, .totalMs = 40});

    int attempts = 0, gaveUp = 0;
    RetryTimer never({.timerId = 7, .what = L"never", .attempt = [&] { return ++attempts, false; },
                      .gaveUp = [&] { ++gaveUp; }},
                     quick);
    EXPECT_FALSE(never.start(host.get()));
    pumpTimers(host.get(), never, 400);
    EXPECT_EQ(gaveUp, 1);
    EXPECT_EQ(attempts, 5);  // at 0, 10, 20, 30 and 40 ms

    int tries = 0, secondGaveUp = 0;
    RetryTimer second({.timerId = 8, .what = L"second", .attempt = [&] { return ++tries == 2; },
                       .gaveUp = [&] { ++secondGaveUp; }},
                      quick);
    second.start(host.get());
    pumpTimers(host.get(), second, 200);
    EXPECT_EQ(tries, 2);
    EXPECT_EQ(secondGaveUp, 0);
}

}  // namespace
}  // namespace vistrel::win32
