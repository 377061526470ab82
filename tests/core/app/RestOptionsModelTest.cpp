#include <gtest/gtest.h>

#include <algorithm>

#include "app/RestOptionsModel.h"
#include "app/TrayMenu.h"
#include "history/HistoryStats.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryHistoryStorage.h"
#include "fakes/InMemoryProfile.h"

namespace vistrel::testing {
namespace {

using Field = RestOptionsModel::Field;
using Values = RestOptionsModel::Values;

constexpr const char* kStored = "[extra]\nnotice_seconds=120\nwork_hours=08:30-17:00\nwork_days=12345\n";

class RestOptionsModelTest : public ::testing::Test {
protected:
    RestOptionsModel& open(std::string settings)
    {
        profile.setText(std::move(settings));
        rest.setOptions(ReminderOptions::read(profile, clock));
        model.emplace(RestOptionsModelPorts{profile, rest, texts, &recorder});
        return *model;
    }
    void edit(void (*change)(Values&))
    {
        Values v = model->values();
        change(v);
        model->setValues(v);
    }
    void chooseInTray(std::string_view text)
    {
        for (const TrayMenuItem& item : tray.open())
            if (item.text == text) tray.choose(item.id);
    }

    FakeClock clock;
    FakeDesktopServices desktop;
    InMemoryProfile profile;
    RestReminder rest{clock, desktop, RestReminderHooks{}};
    TrayMenu tray{{profile, clock, desktop, rest, nullptr}};
    Texts texts;
    InMemoryHistoryStorage history;
    HistoryRecorder recorder{history, clock, desktop};
    std::optional<RestOptionsModel> model;
};

TEST_F(RestOptionsModelTest, AnInvalidFieldInUseRefusesTheApplyWithItsOwnErrorAndNothingIsWrittenOrChanged)
{
    struct Case {
        Field field;
        void (*change)(Values&);
        const char* error;
    };
    const Case cases[] = {
        {Field::NoticeSeconds, [](Values& v) { v.noticeSeconds = "5"; }, "提前通知应为 0（不通知）或 10 到 300 秒"},
        {Field::NoticeSeconds, [](Values& v) { v.noticeSeconds = "301"; }, "提前通知应为 0（不通知）或 10 到 300 秒"},
        {Field::EyeBreakMinutes,
         [](Values& v) {
             v.eyeBreak = true;
             v.eyeBreakMinutes = "0";
         },
         "护眼间隔应在 10 到 60 分钟之间"},
        {Field::EyeBreakSeconds,
         [](Values& v) {
             v.eyeBreak = true;
             v.eyeBreakSeconds = "1 0";
         },
         "护眼时长应在 10 到 60 秒之间"},
        {Field::WorkTo, [](Values& v) { v.workTo = "24:00"; }, "结束时间应在 00:00 到 23:59 之间"},
        {Field::WorkDays, [](Values& v) { v.workDays.fill(false); }, "请至少选一天"},
    };
    for (const Case& c : cases) {
        open(kStored);
        edit(c.change);
        edit([](Values& v) { v.holdWhenBusy = !v.holdWhenBusy; });  // a valid change that must wait too
        EXPECT_EQ(model->error(c.field), c.error);
        EXPECT_EQ(model->apply(), c.field) << c.error;
        EXPECT_EQ(profile.text(), kStored) << c.error;
        EXPECT_TRUE(rest.options().holdWhenBusy) << c.error;
    }
}

TEST_F(RestOptionsModelTest, AFieldOutOfUseCannotStopAnApplyAndKeepsItsLastGoodValue)
{
    open(kStored);
    edit([](Values& v) {
        v.workHoursOnly = false;
        v.workFrom = "";  // left wrong, then every hour was chosen instead
        v.eyeBreakMinutes = "5";
        v.eyeBreakSeconds = "45";  // valid while off: kept for when eye breaks are turned on
    });
    EXPECT_FALSE(model->inUse(Field::WorkFrom));
    ASSERT_EQ(model->apply(), std::nullopt);
    EXPECT_EQ(profile.text(), "[extra]\nnotice_seconds=120\nwork_hours=\nwork_days=12345\n"
                              "eye_break_minutes=0\neye_break_seconds=45\n");
    EXPECT_EQ(rest.options().eyeBreakSeconds, 45);
    EXPECT_FALSE(model->changed());
    EXPECT_EQ(model->values().workFrom, "09:00") << "an office day to start from when hours are chosen again";
}

TEST_F(RestOptionsModelTest, AnApplyPutsTheValuesInForceAndWritesOnlyTheKeysThatChanged)
{
    open(kStored);
    rest.pause(ReminderPause::forMinutes(clock, 30));
    edit([](Values& v) {
        v.noticeSeconds = " 0 ";
        v.eyeBreak = true;
        v.eyeBreakMinutes = "30";
        v.workFrom = "22:00";
        v.workTo = "06:00";
        v.holdInMeetings = false;
    });
    EXPECT_TRUE(model->changed());
    profile.calls.clear();
    ASSERT_EQ(model->apply(), std::nullopt);

    EXPECT_EQ(profile.calls, (std::vector<std::string>{
                                 "write extra/notice_seconds=0", "write extra/eye_break_minutes=30",
                                 "write extra/eye_break_seconds=20", "write extra/work_hours=22:00-06:00",
                                 "write extra/work_days=12345", "write extra/hold_in_meetings=0"}));
    const ReminderOptions& inForce = rest.options();
    EXPECT_EQ(inForce.noticeSeconds, 0);
    EXPECT_EQ(inForce.eyeBreakMinutes, 30);
    EXPECT_EQ(inForce.workHours.hoursText(), "22:00-06:00");
    EXPECT_FALSE(inForce.holdInMeetings);
    EXPECT_TRUE(rest.paused()) << "the pause is the tray's, not the page's";
    EXPECT_FALSE(model->changed());

    profile.calls.clear();
    ASSERT_EQ(model->apply(), std::nullopt);
    EXPECT_TRUE(profile.calls.empty()) << "nothing changed, nothing written";
}

TEST_F(RestOptionsModelTest, TheTrayMenuAndThePageShareTheMovedOptions)
{
    open("");
    edit([](Values& v) { v.awayCountsAsRest = true; });
    chooseInTray("全屏时推迟提醒");  // on by default: now off
    model->refresh();
    EXPECT_FALSE(model->values().holdWhenBusy) << "the tray's change shows when the page is shown again";
    EXPECT_TRUE(model->values().awayCountsAsRest) << "and the user's edit stays";

    chooseInTray("全屏时推迟提醒");  // back on, with no refresh in between
    ASSERT_EQ(model->apply(), std::nullopt);
    EXPECT_TRUE(rest.options().holdWhenBusy) << "an apply leaves what the user did not touch here";
    EXPECT_TRUE(rest.options().awayCountsAsRest);
    const auto& items = tray.open();
    EXPECT_TRUE(std::ranges::any_of(items, [](const TrayMenuItem& i) { return i.text == "离开算作休息" && i.checked; }));

    // Eye breaks turned on from the tray bring a box the user left wrong while they were off into use.
    edit([](Values& v) { v.eyeBreakMinutes = "5"; });
    ReminderOptions trayChoice = rest.options();
    trayChoice.eyeBreakMinutes = ReminderOptions::kEyeBreakMinutesOn;
    rest.setOptions(trayChoice);
    profile.calls.clear();
    EXPECT_EQ(model->apply(), Field::EyeBreakMinutes);
    EXPECT_TRUE(model->values().eyeBreak);
    EXPECT_TRUE(profile.calls.empty());
}

TEST_F(RestOptionsModelTest, TheNoticeUpDownStepsOverTheSecondsNoNoticeCanHave)
{
    const int cases[][3] = {{0, 1, 10}, {10, -1, 0}, {0, -1, 0}, {60, -1, 59}, {300, 1, 300}, {295, 10, 300}};
    for (const auto& [from, delta, to] : cases) EXPECT_EQ(RestOptionsModel::noticeStep(from, delta), to) << from;
}

TEST_F(RestOptionsModelTest, RecordingTurnedOffStopsAtOnceIsSavedAndClearingDeletesTheFiles)
{
    open("");
    recorder.record(HistoryEvent::Start);
    edit([](Values& v) { v.recordHistory = false; });
    ASSERT_FALSE(model->apply());
    EXPECT_EQ(profile.text(), "[extra]\r\nrecord_history=0\r\n");
    recorder.record(HistoryEvent::Exit);
    EXPECT_EQ(parseHistory(history.current).records.size(), 1u);
    EXPECT_TRUE(model->clearHistory());
    EXPECT_EQ(history.current, "");
}

}  // namespace
}  // namespace vistrel::testing
