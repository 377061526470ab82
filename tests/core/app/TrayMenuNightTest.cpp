#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "app/MainForm.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"
#include "fakes/RecordingGammaDevice.h"

namespace vistrel {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using testing::FakeClock;

class TrayMenuNightTest : public ::testing::Test {
protected:
    void start(std::string settings)
    {
        profile.setText(std::move(settings));
        form.load();
        profile.calls.clear();
    }
    const TrayMenuItem& item(std::string_view text)
    {
        for (const TrayMenuItem& item : form.trayMenu().open())
            if (item.text == text) return item;
        throw std::runtime_error("no item " + std::string(text));
    }
    std::vector<std::string> texts()
    {
        std::vector<std::string> texts;
        for (const TrayMenuItem& item : form.trayMenu().open()) texts.push_back(item.text);
        return texts;
    }
    // The line above the night colour's check item.
    std::string nightLine()
    {
        const std::vector<std::string> all = texts();
        return *std::prev(std::find(all.begin(), all.end(), "夜间护眼"));
    }
    TrayAction choose(std::string_view text) { return form.trayMenu().choose(item(text).id); }

    FakeClock clock{FakeClock::at(23, 0)};
    testing::InMemoryProfile profile;
    testing::RecordingGammaDevice gamma;
    testing::FakeDesktopServices desktop;
    MainForm form{{profile, clock, gamma, desktop}, "https://host.example.org"};
};

TEST_F(TrayMenuNightTest, TheNightGroupFollowsTheReminderGroupAndTellsTheState)
{
    start("[night]\nmode=times\n");
    EXPECT_THAT(texts(), ElementsAre("下次休息 23:45", "推迟 5 分钟", "暂停提醒", "全屏时推迟提醒", "离开算作休息",
                                     "护眼小憩", "开机启动", "", "夜间 3600 K，07:00 转为日间", "夜间护眼",
                                     "暂停 1 小时", "休息统计", "选项…", "", "Display",
                                     "About", "", "Exit"));
    EXPECT_TRUE(item("夜间护眼").checked);
    EXPECT_FALSE(item(nightLine()).enabled);
    for (const auto& [when, line] : {std::pair{FakeClock::at(12, 0), "日间，21:00 开始转暖"},
                                     std::pair{FakeClock::at(21, 15), "正在转暖，现为 4634 K"},
                                     std::pair{FakeClock::at(7, 15), "正在转为日间，现为 4634 K"}}) {
        clock.set(when);
        EXPECT_EQ(nightLine(), line);
    }

    clock.set(FakeClock::at(23, 0));
    EXPECT_EQ(choose("暂停 1 小时"), TrayAction::None);
    EXPECT_EQ(nightLine(), "夜间护眼已暂停至 00:00");
    EXPECT_TRUE(item("暂停 1 小时").checked);
    choose("暂停 1 小时");
    EXPECT_EQ(nightLine(), "夜间 3600 K，07:00 转为日间");
    EXPECT_THAT(profile.calls, IsEmpty()) << "a pause is not saved";

    NightSettings sun = form.night().settings();
    sun.mode = NightSettings::Mode::Sun;
    form.night().apply(sun);
    EXPECT_EQ(nightLine(), "夜间护眼：请在选项中设置位置");
    form.night().setFallbackPlace(Place{52.52, 13.405});
    EXPECT_THAT(nightLine(), HasSubstr(" 转为日间"));
}

TEST_F(TrayMenuNightTest, TheCheckItemBringsTheLastScheduleBackOrAsksForOne)
{
    start("");
    EXPECT_EQ(nightLine(), "夜间护眼已关闭");
    EXPECT_FALSE(item("暂停 1 小时").enabled);
    EXPECT_EQ(choose("夜间护眼"), TrayAction::OpenOptions) << "no schedule was ever chosen";
    EXPECT_EQ(choose("选项…"), TrayAction::OpenOptions);
    EXPECT_EQ(choose("休息统计"), TrayAction::OpenStatistics);
    EXPECT_THAT(profile.calls, IsEmpty());

    start("[night]\nmode=sun\nlatitude=52.52\nlongitude=13.405\n");
    EXPECT_EQ(gamma.display().ramp, withWhitePoint(GammaRamp::identity(), whitePointFactors(3600)));
    EXPECT_EQ(choose("夜间护眼"), TrayAction::None);
    EXPECT_EQ(gamma.display().ramp, GammaRamp::identity());
    EXPECT_THAT(profile.calls, Contains("write night/mode=off"));
    EXPECT_THAT(profile.calls, Contains("write night/last_mode=sun"));
    choose("夜间护眼");
    EXPECT_EQ(NightSettings::read(profile).mode, NightSettings::Mode::Sun);

    // The exit takes the layer off and leaves `[night]` as the user left it.
    profile.calls.clear();
    form.exitSequence();
    EXPECT_EQ(gamma.display().ramp, GammaRamp::identity());
    EXPECT_THAT(profile.calls, Not(Contains(HasSubstr("night/"))));
}

}  // namespace
}  // namespace vistrel
