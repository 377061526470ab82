#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/TrayMenu.h"
#include "base/LocalDateTime.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/FakePresence.h"
#include "fakes/InMemoryProfile.h"

namespace vistrel::testing {
namespace {

using ::testing::ElementsAre;

// FakeClock's day 1 is 1970-01-02.
class TrayMenuTest : public ::testing::Test {
protected:
    void start(std::string settings)
    {
        profile.setText(std::move(settings));
        rest.loadSettings("30", "10", "1");
        rest.switchClick(true);
        rest.setOptions(ReminderOptions::read(profile, clock));
        profile.calls.clear();
    }
    std::string firstLine() { return menu.open().front().text; }
    const TrayMenuItem& item(std::string_view text)
    {
        for (const TrayMenuItem& item : menu.open()) {
            if (item.text == text) return item;
            for (const TrayMenuItem& inner : item.submenu)
                if (inner.text == text) return inner;
        }
        throw std::runtime_error("no item " + std::string(text));
    }
    TrayAction choose(std::string_view text) { return menu.choose(item(text).id); }

    FakeClock clock{FakeClock::at(10, 0, 0)};
    FakeDesktopServices desktop;
    InMemoryProfile profile;
    FakePresence presence{clock};
    RestReminder rest{clock, desktop, RestReminderHooks{}, &presence};
    int abouts = 0;
    TrayMenu menu{{profile, clock, desktop, rest, [this] { ++abouts; }}};
};

TEST(TrayMouse, LeftReleaseShowsTheWindowRightReleaseAndContextMenuOpenTheMenu)
{
    EXPECT_EQ(TrayMenu::forMouse(0x0202), TrayAction::ShowMainWindow);
    EXPECT_EQ(TrayMenu::forMouse(0x0205), TrayAction::OpenMenu);
    EXPECT_EQ(TrayMenu::forMouse(0x007B), TrayAction::OpenMenu);
    EXPECT_EQ(TrayMenu::forMouse(0x0405), TrayAction::OpenMenu) << "a click on the notice";
    // Holding a button, moving over the icon and the double-click message itself do nothing:
    // a double click shows the window through its releases. The notice showing, hiding or timing
    // out does nothing either.
    for (std::uint32_t m :
         {0x0200u, 0x0201u, 0x0203u, 0x0204u, 0x0207u, 0x0208u, 0x0209u, 0x0402u, 0x0403u, 0x0404u, 0u, 514u * 15u})
        EXPECT_EQ(TrayMenu::forMouse(m), TrayAction::None) << m;
}

TEST_F(TrayMenuTest, TheDesignedItemsTellTheShellWhatToDo)
{
    start("");
    EXPECT_TRUE(item("Display").isDefault);
    EXPECT_EQ(choose("Display"), TrayAction::ShowMainWindow);
    EXPECT_EQ(choose("About"), TrayAction::None);
    EXPECT_EQ(abouts, 1);
    EXPECT_EQ(choose("Exit"), TrayAction::Exit);
    // Nothing chosen, the greyed first line or an id from no menu: nothing happens.
    for (unsigned id : {0u, menu.open().front().id, 999u}) EXPECT_EQ(menu.choose(id), TrayAction::None) << id;
    EXPECT_THAT(profile.calls, ::testing::IsEmpty());
}

TEST_F(TrayMenuTest, UnreadableValuesAreTheDefaultsAndAChangeIsWrittenAtOnce)
{
    start("[extra]\nhold_when_busy=yes\naway_counts_as_rest=2\npaused_until=tomorrow\n");
    EXPECT_TRUE(rest.options().holdWhenBusy);
    EXPECT_FALSE(rest.options().awayCountsAsRest);
    EXPECT_FALSE(rest.paused());
    EXPECT_EQ(firstLine(), "下次休息 10:30");

    choose("全屏时推迟提醒");
    choose("离开算作休息");
    choose("30 分钟");
    EXPECT_THAT(profile.calls, ElementsAre("write extra/hold_when_busy=0", "write extra/away_counts_as_rest=1",
                                           "write extra/paused_until=1970-01-02 10:30"));
    EXPECT_EQ(firstLine(), "提醒已暂停至 10:30");
    const auto& items = menu.open();
    EXPECT_FALSE(items[0].enabled);
    EXPECT_EQ(item("暂停提醒").submenu.back().text, "继续提醒");
    EXPECT_FALSE(item("全屏时推迟提醒").checked);
    EXPECT_TRUE(item("离开算作休息").checked);
}

TEST_F(TrayMenuTest, StartWithWindowsShowsTheRegistryAndNeverTouchesTheSettingsFile)
{
    start("");
    EXPECT_FALSE(item("开机启动").checked);
    choose("开机启动");
    EXPECT_TRUE(desktop.startWithWindows);
    EXPECT_TRUE(item("开机启动").checked);
    choose("开机启动");
    EXPECT_FALSE(item("开机启动").checked);
    for (const std::string& call : profile.calls) EXPECT_FALSE(call.starts_with("write")) << call;

    desktop.autostartRefused = true;  // the user is told, and the item keeps showing the truth
    choose("开机启动");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "无法设置开机启动。");
    EXPECT_FALSE(item("开机启动").checked);
}

TEST_F(TrayMenuTest, APauseSurvivesARestartUntilItEnds)
{
    start("[extra]\npaused_until=1970-01-02 09:59\n");  // over already: no pause
    EXPECT_FALSE(rest.paused());
    start("[extra]\npaused_until=1970-01-03 00:00\n");  // "到明天" chosen before the restart
    EXPECT_TRUE(rest.paused());
    EXPECT_EQ(firstLine(), "提醒已暂停至 00:00");

    choose("到明天");
    choose("继续提醒");
    EXPECT_THAT(profile.calls, ElementsAre("write extra/paused_until=1970-01-03 00:00", "write extra/paused_until="));
    EXPECT_FALSE(rest.paused());

    rest.switchClick(false);
    EXPECT_EQ(firstLine(), "休息提醒已关闭");
}

TEST_F(TrayMenuTest, TheFirstLineSaysAHeldRestWaitsAndDatesAPauseBeyondADay)
{
    start("[extra]\nhold_when_busy=1\n");
    presence.isBusy = true;
    clock.set(FakeClock::at(10, 31, 0));  // past the due minute while Windows is busy
    rest.tick();
    EXPECT_EQ(firstLine(), "休息已推迟，等待空闲");
    presence.isBusy = false;
    rest.tick();
    EXPECT_TRUE(rest.prompt().isOpen());
    EXPECT_EQ(firstLine(), "该休息了");
    rest.promptTakeRest();
    EXPECT_EQ(firstLine(), "正在休息");

    // A day and a minute ahead shows the date; a day ahead reads right without it.
    start("[extra]\npaused_until=1970-01-03 10:32\n");
    EXPECT_EQ(firstLine(), "提醒已暂停至 1月3日 10:32");
    start("[extra]\npaused_until=1970-02-10 09:00\n");
    EXPECT_EQ(firstLine(), "提醒已暂停至 2月10日 09:00");
    clock.set(FakeClock::at(10, 32, 0));
    start("[extra]\npaused_until=1970-01-03 10:32\n");
    EXPECT_EQ(firstLine(), "提醒已暂停至 10:32");
}

TEST_F(TrayMenuTest, EyeBreaksGoOnAtTwentyMinutesAndTwentySecondsAndOffClosesAnOpenOne)
{
    start("[extra]\neye_break_seconds=45\n");
    EXPECT_FALSE(item("护眼小憩").checked);
    choose("护眼小憩");
    EXPECT_TRUE(item("护眼小憩").checked);
    EXPECT_THAT(profile.calls, ElementsAre("write extra/eye_break_minutes=20", "write extra/eye_break_seconds=20"));

    for (int i = 0; i < 20 * 60 + 1; ++i) {
        presence.input();
        clock.advanceSeconds(1);
        rest.tick();
    }
    ASSERT_TRUE(rest.eyeBreak().isOpen());
    profile.calls.clear();
    choose("护眼小憩");
    EXPECT_FALSE(rest.eyeBreak().isOpen());
    EXPECT_THAT(profile.calls, ElementsAre("write extra/eye_break_minutes=0", "write extra/eye_break_seconds=20"));
}

TEST_F(TrayMenuTest, PostponeComesWithTheNoticeAndReadsThreeTimesOnceUsedUp)
{
    start("");  // due 10:30
    EXPECT_EQ(menu.open()[1].text, "推迟 5 分钟");
    EXPECT_FALSE(menu.open()[1].enabled) << "not before the notice";
    clock.set(FakeClock::at(10, 29, 0));
    rest.tick();
    EXPECT_TRUE(menu.open()[1].enabled);
    for (const char* due : {"10:34", "10:39", "10:44"}) {
        choose("推迟 5 分钟");
        EXPECT_EQ(firstLine(), std::string("下次休息 ") + due);
        clock.set(FakeClock::at(10, std::stoi(std::string(due).substr(3)), 0));
        rest.tick();
        EXPECT_EQ(firstLine(), "该休息了");
    }
    EXPECT_EQ(menu.open()[1].text, "已推迟 3 次");
    EXPECT_FALSE(menu.open()[1].enabled);
    rest.dsxxadd();
    EXPECT_EQ(menu.open()[1].text, "推迟 5 分钟");
    EXPECT_THAT(profile.calls, ::testing::IsEmpty()) << "a postpone is not a setting";
}

TEST_F(TrayMenuTest, OutsideTheWorkingHoursTheFirstLineSaysWhenTheyBegin)
{
    // Day 1 is a Friday.
    start("[extra]\nwork_hours=09:00-18:00\nwork_days=12345\n");
    EXPECT_EQ(firstLine(), "下次休息 10:30");
    clock.set(FakeClock::at(18, 0, 0));
    EXPECT_EQ(firstLine(), "非工作时间，周一 09:00 开始提醒");
    start("[extra]\nwork_hours=22:00-06:00\nwork_days=5\n");
    EXPECT_EQ(firstLine(), "非工作时间，周五 22:00 开始提醒");
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
