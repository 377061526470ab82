#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reminder/Countdown.h"

namespace vistrel {
namespace {

struct RestRun {
    std::vector<std::string> texts;  // one entry per tick, empty when the text did not change
    int endTick = 0;
};

RestRun runRest(std::int16_t minutes)
{
    Countdown c;
    c.start(minutes);
    RestRun run;
    for (int tick = 1; tick <= 40000; ++tick) {
        const auto step = c.step();
        if (step.kind == Countdown::Step::Kind::End) {
            run.endTick = tick;
            break;
        }
        run.texts.push_back(step.text);
    }
    return run;
}

TEST(Countdown, StartsWithTheHourTakenFirst)
{
    Countdown c;
    c.start(15);
    EXPECT_EQ(c.djshour(), 0);
    EXPECT_EQ(c.djsmin(), 14);
    EXPECT_EQ(c.djssec(), 60);
    EXPECT_TRUE(c.running());
    c.start(60);
    EXPECT_EQ(c.djshour(), 0);
    EXPECT_EQ(c.djsmin(), 59);
    c.start(90);
    EXPECT_EQ(c.djshour(), 1);
    EXPECT_EQ(c.djsmin(), 29);
    c.start(120);
    EXPECT_EQ(c.djshour(), 1);
    EXPECT_EQ(c.djsmin(), 59);
}

TEST(Countdown, FifteenMinutesCountsEveryMinuteAsSixtyTicks)
{
    const RestRun run = runRest(15);
    ASSERT_EQ(run.texts.size(), 899u);
    EXPECT_EQ(run.texts[0], "0:14:59");
    EXPECT_EQ(run.texts[58], "0:14:1");
    EXPECT_EQ(run.texts[59], "0:13:60");
    EXPECT_EQ(run.texts[60], "0:13:59");
    EXPECT_EQ(run.texts.back(), "0:0:1");
    EXPECT_EQ(run.endTick, 900);
}

TEST(Countdown, AboveAnHourTheTextJumpsFromOneMinuteToTheLowerHour)
{
    const RestRun run = runRest(90);
    EXPECT_EQ(run.texts.front(), "1:29:59");
    bool sawJump = false;
    for (std::size_t i = 0; i + 1 < run.texts.size(); ++i) {
        if (run.texts[i] == "1:1:1") {
            EXPECT_EQ(run.texts[i + 1], "0:59:60");
            sawJump = true;
        }
        // A text with hours in it never shows 0 minutes, and 0:0:0 never shows.
        EXPECT_NE(run.texts[i].rfind("1:0:", 0), 0u) << run.texts[i];
        EXPECT_NE(run.texts[i], "0:0:0");
    }
    EXPECT_TRUE(sawJump);
}

TEST(Countdown, EndTicks)
{
    EXPECT_EQ(runRest(1).endTick, 60);
    EXPECT_EQ(runRest(60).endTick, 3600);
    EXPECT_EQ(runRest(61).endTick, 3601);
    EXPECT_EQ(runRest(90).endTick, 5340);
    EXPECT_EQ(runRest(120).endTick, 7140);
    // The longest rest allowed still fits the 16-bit tick counter.
    EXPECT_EQ(runRest(555).endTick, 32760);
}

TEST(Countdown, ARestOfNoMinutesNeverEndsButNeverMisbehaves)
{
    // Refused by the panel; still, stepping it must neither end nor overflow.
    Countdown c;
    c.start(0);
    bool ended = false;
    for (int i = 0; i < 40000; ++i) ended = ended || c.step().kind == Countdown::Step::Kind::End;
    EXPECT_FALSE(ended);
    EXPECT_EQ(c.djscount(), 32767);
}

}  // namespace
}  // namespace vistrel
