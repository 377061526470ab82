#include <gtest/gtest.h>

#include "fakes/FakeClock.h"

namespace vistrel {
namespace {

TEST(LocalTime, TimeOfDayWrapsAcrossMidnightInBothDirections)
{
    const LocalTime beforeMidnight = testing::FakeClock::at(23, 59, 59);
    EXPECT_EQ(beforeMidnight.hour(), 23);
    EXPECT_EQ(beforeMidnight.minute(), 59);
    EXPECT_EQ(beforeMidnight.second(), 59);

    const LocalTime afterMidnight{beforeMidnight.seconds + 1};
    EXPECT_EQ(afterMidnight.hour(), 0);
    EXPECT_EQ(afterMidnight.minute(), 0);

    const LocalTime beforeEpoch{-60};  // a clock set before 1970 still gives a sane time of day
    EXPECT_EQ(beforeEpoch.hour(), 23);
    EXPECT_EQ(beforeEpoch.minute(), 59);
    EXPECT_EQ(beforeEpoch.second(), 0);
}

}  // namespace
}  // namespace vistrel
