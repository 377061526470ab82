#include <gtest/gtest.h>

#include <vector>

#include "base/RetrySchedule.h"

namespace vistrel {
namespace {

std::vector<int> allDelays(const RetrySchedule& schedule)
{
    std::vector<int> delays;
    for (int failures = 1; failures < 100; ++failures) {
        const auto delay = schedule.delayAfter(failures);
        if (!delay) break;
        delays.push_back(*delay);
    }
    return delays;
}

TEST(RetrySchedule, DoublesUpToTheLongestDelayAndStopsAtTheTotal)
{
    // 1+2+4+8+16 = 31 s, three of 30 s to 121 s: the last is cut to end at two minutes.
    EXPECT_EQ(allDelays(RetrySchedule{}), (std::vector<int>{1000, 2000, 4000, 8000, 16000, 30000, 30000, 29000}));
    // A total that ends inside the doubling, and one that the first delay alone exceeds.
    EXPECT_EQ(allDelays(RetrySchedule({.firstDelayMs = 100, .longestDelayMs = 1000, .totalMs = 500})),
              (std::vector<int>{100, 200, 200}));
    EXPECT_EQ(allDelays(RetrySchedule({.firstDelayMs = 5000, .longestDelayMs = 5000, .totalMs = 3000})),
              (std::vector<int>{3000}));
    EXPECT_EQ(RetrySchedule{}.delayAfter(0), std::nullopt) << "nothing has failed yet";
}

}  // namespace
}  // namespace vistrel
