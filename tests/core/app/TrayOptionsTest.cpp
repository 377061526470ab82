#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/LocalDateTime.h"
#include "app/TrayOptions.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"

namespace vistrel::testing {
namespace {

using ::testing::ElementsAre;

// FakeClock's day 1 is 1970-01-02.
class TrayOptionsTest : public ::testing::Test {
protected:
    void start(std::string settings)
    {
        profile.setText(std::move(settings));
        rest.loadSettings("30", "10", "1");
        rest.switchClick(true);
        options.load();
        profile.calls.clear();
    }
    std::string firstLine() const { return options.menu().front().text; }

    FakeClock clock{FakeClock::at(10, 0, 0)};
    FakeDesktopServices desktop;
    InMemoryProfile profile;
    RestReminder rest{clock, desktop};
    TrayOptions options{profile, clock, rest, desktop};
};

TEST_F(TrayOptionsTest, UnreadableValuesAreTheDefaultsAndAChangeIsWrittenAtOnce)
{
    start("[extra]\nhold_when_busy=yes\naway_counts_as_rest=2\npaused_until=tomorrow\n");
    EXPECT_TRUE(rest.options().holdWhenBusy);
    EXPECT_FALSE(rest.options().awayCountsAsRest);
    EXPECT_FALSE(rest.paused());
    EXPECT_EQ(firstLine(), "下次休息 10:30");

    EXPECT_TRUE(options.command(TrayCommand::HoldWhenBusy));
    EXPECT_TRUE(options.command(TrayCommand::AwayCountsAsRest));
    EXPECT_TRUE(options.command(TrayCommand::PauseHalfHour));
    EXPECT_FALSE(options.command(TrayCommand::Exit));  // the shell's own
    EXPECT_THAT(profile.calls, ElementsAre("write extra/hold_when_busy=0", "write extra/away_counts_as_rest=1",
                                           "write extra/paused_until=1970-01-02 10:30"));
    EXPECT_EQ(firstLine(), "提醒已暂停至 10:30");
    const auto menu = options.menu();
    EXPECT_FALSE(menu[0].enabled);
    EXPECT_EQ(menu[1].submenu.back().text, "继续提醒");
    EXPECT_FALSE(menu[2].checked);
    EXPECT_TRUE(menu[3].checked);
}

TEST_F(TrayOptionsTest, StartWithWindowsShowsTheRegistryAndNeverTouchesTheSettingsFile)
{
    start("");
    const auto item = [&] { return options.menu()[4]; };
    EXPECT_EQ(item().text, "开机启动");
    EXPECT_FALSE(item().checked);
    options.command(TrayCommand::StartWithWindows);
    EXPECT_TRUE(desktop.startWithWindows);
    EXPECT_TRUE(item().checked);
    options.command(TrayCommand::StartWithWindows);
    EXPECT_FALSE(item().checked);
    for (const std::string& call : profile.calls) EXPECT_FALSE(call.starts_with("write")) << call;

    desktop.autostartRefused = true;  // the user is told, and the item keeps showing the truth
    options.command(TrayCommand::StartWithWindows);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "无法设置开机启动。");
    EXPECT_FALSE(item().checked);
}

TEST_F(TrayOptionsTest, APauseSurvivesARestartUntilItEnds)
{
    start("[extra]\npaused_until=1970-01-02 09:59\n");  // over already: no pause
    EXPECT_FALSE(rest.paused());
    start("[extra]\npaused_until=1970-01-03 00:00\n");  // "到明天" chosen before the restart
    EXPECT_TRUE(rest.paused());
    EXPECT_EQ(firstLine(), "提醒已暂停至 00:00");

    options.command(TrayCommand::PauseUntilTomorrow);
    options.command(TrayCommand::ResumeReminders);
    EXPECT_THAT(profile.calls, ElementsAre("write extra/paused_until=1970-01-03 00:00", "write extra/paused_until="));
    EXPECT_FALSE(rest.paused());

    rest.switchClick(false);
    EXPECT_EQ(firstLine(), "休息提醒已关闭");
}

TEST(LocalDateTime, ReadsAndWritesTheStoredForm)
{
    const auto t = parseLocalDateTime("2026-12-09 23:05");
    ASSERT_TRUE(t);
    EXPECT_EQ(localDateTimeText(*t), "2026-12-09 23:05");
    EXPECT_EQ(localDateTimeText(nextMidnight(*t)), "2026-12-10 00:00");
    for (const char* bad : {"", "2026-02-30 10:00", "2026-12-09 24:00", "2026-12-09T10:00", "2026-12-9 10:00",
                            " 2026-12-09 10:00", "2026-12-09 10:00 "})
        EXPECT_FALSE(parseLocalDateTime(bad)) << bad;
}

}  // namespace
}  // namespace vistrel::testing
