#include <gmock/gmock.h>

#include "core/reminder/RestReminderFixture.h"

namespace vistrel::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using E = ReminderEvent;

class ReminderEventTest : public RestReminderFixture {};

TEST_F(ReminderEventTest, EachAnswerToAPromptAndEachRestIsRecordedOnce)
{
    load("30", "2");
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptContinueWork();
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptTakeRest();
    tickFor(2 * 60 + 5);  // to the end
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptTakeRest();
    tickFor(45);
    reminder.countdownCloseClick();  // early
    tickFor(2 * 60);  // the countdown's end behind the closed screen is no second record
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptDisplayOff(true);
    EXPECT_THAT(events, ElementsAre(Pair(E::Prompt, 0), Pair(E::Continue, 0), Pair(E::Prompt, 0), Pair(E::Rest, 2),
                                    Pair(E::RestDone, 0), Pair(E::Prompt, 0), Pair(E::Rest, 2), Pair(E::RestCut, 45),
                                    Pair(E::Prompt, 0), Pair(E::LockDisplayOff, 0)));
}

TEST_F(ReminderEventTest, AHoldIsRecordedOnceAndTimeAwayWithItsMinutes)
{
    load("30", "10");  // due 12:30
    reminder.setHoldWhenBusy(true);
    presence.isBusy = true;
    clock.set(FakeClock::at(12, 29, 59));
    tickFor(3 * 60);
    presence.isBusy = false;
    tickFor(1);
    reminder.promptContinueWork();
    EXPECT_THAT(events, ElementsAre(Pair(E::Held, 0), Pair(E::Prompt, 0), Pair(E::Continue, 0)));
    events.clear();

    reminder.setAwayCountsAsRest(true);
    presence.input();
    tickFor(25 * 60);  // no input for 25 minutes: away after ten, back at the next input
    presence.input();
    tickFor(1);
    EXPECT_THAT(events, ElementsAre(Pair(E::Away, 25)));
}

}  // namespace
}  // namespace vistrel::testing
