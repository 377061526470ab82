#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reminder/Countdown.h"
#include "reminder/CountdownAnnouncement.h"
#include "reminder/CountdownScreenLogic.h"

namespace vistrel {
namespace {

// A whole rest as the screen shows it, from "Start": the seconds left at each told text.
TEST(CountdownAnnouncementTest, ARestIsToldAtItsStartEachMinuteAndThirtyAndTenSecondsBeforeTheEnd)
{
    Countdown countdown;
    countdown.start(3);
    std::string shown = CountdownScreenLogic::kInitialText;
    std::vector<long> told;
    for (auto step = countdown.step(); step.kind == Countdown::Step::Kind::Text; step = countdown.step()) {
        if (CountdownAnnouncement::announces(shown, step.text))
            told.push_back(*CountdownAnnouncement::secondsIn(step.text));
        shown = step.text;
    }
    EXPECT_EQ(told, (std::vector<long>{179, 120, 60, 30, 10}));
}

TEST(CountdownAnnouncementTest, ATickThatSkipsAMarkStillTellsAndOtherTextsAreNotTold)
{
    struct Case {
        const char* previous;
        const char* current;
        bool told;
    };
    for (const Case& c : {Case{"0:1:2", "0:0:58", true}, Case{"0:0:31", "0:0:29", true},
                          Case{"1:0:1", "0:59:59", true}, Case{"0:5:30", "0:5:29", false},
                          Case{"0:0:9", "0:0:8", false}, Case{"0:0:5", "Start", false},
                          Case{"0:0:5", "0:x:4", false}, Case{"0:0:5", "0:0:5", false}}) {
        EXPECT_EQ(CountdownAnnouncement::announces(c.previous, c.current), c.told) << c.previous << " -> " << c.current;
    }
}

}  // namespace
}  // namespace vistrel
