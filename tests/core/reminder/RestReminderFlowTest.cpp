#include <gmock/gmock.h>

#include "core/reminder/RestReminderFixture.h"

namespace vistrel::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using RestFlow = RestReminderFixture;

constexpr char kPostponeLine[] = "\n可在托盘菜单中推迟";

ReminderOptions withNotice(int seconds)
{
    ReminderOptions options;
    options.noticeSeconds = seconds;
    return options;
}

ReminderOptions withWorkHours(std::string_view period, std::string_view days)
{
    ReminderOptions options;
    options.workHours = WorkHours::parse(period, days).value();
    return options;
}

TEST_F(RestFlow, TheNoticeComesItsSecondsBeforeTheDueMinuteOnce)
{
    struct Case {
        int seconds;
        std::string text;
    };
    int day = 0;
    for (const Case& c : {Case{60, "1 分钟后休息 10 分钟"}, Case{30, "30 秒后休息 10 分钟"},
                          Case{300, "5 分钟后休息 10 分钟"}, Case{90, "2 分钟后休息 10 分钟"}}) {
        clock.set(FakeClock::at(12, 0, 0, ++day));
        notices.clear();
        load("30", "10");  // due 12:30
        reminder.setOptions(withNotice(c.seconds));
        clock.set(FakeClock::at(12, 30, 0, day));
        clock.advanceSeconds(-c.seconds - 2);
        tickFor(1);
        EXPECT_THAT(notices, IsEmpty()) << c.seconds;
        tickFor(1);
        EXPECT_THAT(notices, ElementsAre(c.text + kPostponeLine)) << c.seconds;
        tickFor(c.seconds + 5);  // into the due minute: the prompt, and no second notice
        EXPECT_TRUE(reminder.prompt().isOpen());
        EXPECT_EQ(notices.size(), 1u) << c.seconds;
        reminder.promptContinueWork();
    }
}

TEST_F(RestFlow, NoNoticeWhenOffPausedOrOutsideTheWorkingHours)
{
    load("30", "10");
    reminder.setOptions(withNotice(0));
    clock.set(FakeClock::at(12, 28, 0));
    tickFor(90);
    EXPECT_THAT(notices, IsEmpty()) << "off";

    reminder.setOptions({});
    reminder.pause(ReminderPause::forMinutes(clock, 30));
    clock.set(FakeClock::at(12, 57, 58));  // the pause ends 12:59, the rest is due 13:29
    tickFor(60);
    EXPECT_THAT(notices, IsEmpty()) << "paused";

    // Due at the end of the working hours: the rest will not come, so no notice announces it.
    clock.set(FakeClock::at(17, 30, 30));
    reminder.setOptions(withWorkHours("09:00-18:00", "12345"));
    reminder.dsxxadd();  // due 18:00
    tickFor(60 * 30);
    EXPECT_THAT(notices, IsEmpty()) << "out of hours";
    EXPECT_FALSE(reminder.prompt().isOpen());
}

TEST_F(RestFlow, PostponeMovesTheRestFiveMinutesThreeTimesInARow)
{
    load("30", "10");
    EXPECT_FALSE(reminder.canPostpone()) << "nothing announced yet";
    clock.set(FakeClock::at(12, 29, 0));
    tickFor(1);
    ASSERT_TRUE(reminder.canPostpone());
    reminder.postpone();
    EXPECT_EQ(reminder.text1(), "12:34");
    EXPECT_EQ(reminder.label5(), "12:34");
    EXPECT_FALSE(reminder.canPostpone()) << "until the next notice";

    for (const char* next : {"12:39", "12:44"}) {
        ASSERT_TRUE(tickUntilPrompt());
        reminder.postpone();
        EXPECT_FALSE(reminder.prompt().isOpen());
        EXPECT_EQ(reminder.pdtipshow(), 0);
        EXPECT_EQ(reminder.text1(), next);
    }
    EXPECT_EQ(reminder.postponesInARow(), 3);
    ASSERT_TRUE(tickUntilPrompt());
    EXPECT_FALSE(reminder.canPostpone());
    reminder.postpone();  // refused: the prompt stays
    EXPECT_TRUE(reminder.prompt().isOpen());
    EXPECT_EQ(notices.size(), 4u) << "one before each due time";
    EXPECT_EQ(notices.back(), "1 分钟后休息 10 分钟");

    // Taking the rest, or `dsxxadd`, starts the count again.
    reminder.promptTakeRest();
    EXPECT_EQ(reminder.postponesInARow(), 0);
    tickFor(600);
    ASSERT_TRUE(tickUntilPrompt());
    reminder.postpone();
    EXPECT_EQ(reminder.postponesInARow(), 1);
    reminder.dsxxadd();
    EXPECT_EQ(reminder.postponesInARow(), 0);
}

TEST_F(RestFlow, OutsideTheWorkingHoursARunningRestEndsAndTheHoursStartAWorkPeriod)
{
    clock.set(FakeClock::at(17, 45, 0));  // Friday
    load("10", "10");                      // due 17:55
    reminder.setOptions(withWorkHours("09:00-18:00", "12345"));
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptTakeRest();  // runs to 18:05, past the end of the hours
    tickFor(599);
    EXPECT_TRUE(reminder.countdown().running());
    tickFor(1);
    EXPECT_FALSE(reminder.countdown().running());
    EXPECT_FALSE(reminder.countdownScreen().isOpen());
    EXPECT_FALSE(tickUntilPrompt(3 * 3600)) << "no rest on a Friday evening";

    // Over the weekend (asleep) to Monday morning: the rest comes a work period after 09:00.
    clock.set(FakeClock::at(8, 59, 58, 4));
    tickFor(2);
    EXPECT_EQ(reminder.text1(), "09:10");
    // A rest started by hand before the hours begin runs on through their start.
    clock.set(FakeClock::at(8, 55, 0, 11));
    tickFor(1);
    reminder.form2tipClick();
    tickFor(5 * 60);  // 09:00:01
    EXPECT_TRUE(reminder.countdown().running());
    EXPECT_EQ(reminder.text1(), "09:10");
    // Its end sets the schedule afresh, as any rest's end does.
    ASSERT_TRUE(tickUntilPrompt());
    EXPECT_EQ(clock.now(), FakeClock::at(9, 15, 0, 11));
}

TEST_F(RestFlow, AMeetingHoldsADueRestUntilItEndsAndIsAskedOnlyThen)
{
    load("30", "10");  // hold when busy is off: the meeting holds on its own
    presence.isInMeeting = true;
    clock.set(FakeClock::at(12, 29, 0));
    tickFor(59);
    EXPECT_EQ(presence.meetingQueries, 0) << "nothing due, nothing asked";
    tickFor(10 * 60);
    EXPECT_FALSE(reminder.prompt().isOpen());
    EXPECT_TRUE(reminder.held());
    EXPECT_TRUE(reminder.canPostpone());
    presence.isInMeeting = false;
    tickFor(1);
    EXPECT_TRUE(reminder.prompt().isOpen());
    EXPECT_FALSE(reminder.held());

    // Turned off, a meeting changes nothing.
    reminder.promptContinueWork();
    ReminderOptions options;
    options.holdInMeetings = false;
    reminder.setOptions(options);
    presence.isInMeeting = true;
    const int queries = presence.meetingQueries;
    ASSERT_TRUE(tickUntilPrompt());
    EXPECT_EQ(presence.meetingQueries, queries);
}

}  // namespace
}  // namespace vistrel::testing
