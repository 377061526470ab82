#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"
#include "fakes/InMemoryHistoryStorage.h"
#include "fakes/RecordingGammaDevice.h"
#include "history/HistoryStats.h"

namespace vistrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Feature = MainForm::Feature;

class MainFormTest : public ::testing::Test {
protected:
    MainForm& form()
    {
        if (!m_form) m_form = std::make_unique<MainForm>(MainFormPorts{profile, clock, gamma, desktop}, "https://host.example.org/");
        return *m_form;
    }
    std::vector<std::string> writes() const
    {
        std::vector<std::string> out;
        for (const auto& call : profile.calls)
            if (call.rfind("read", 0) != 0) out.push_back(call);
        return out;
    }

    testing::InMemoryProfile profile;
    testing::FakeClock clock{testing::FakeClock::at(9, 15, 30)};
    testing::RecordingGammaDevice gamma;
    testing::FakeDesktopServices desktop;
    std::unique_ptr<MainForm> m_form;
};

TEST_F(MainFormTest, FirstStartWithoutSettingsHasTheReminderOnAndColourOff)
{
    form().load();

    EXPECT_TRUE(form().restSwitch().value());
    EXPECT_TRUE(form().featureOn(Feature::Rest));
    EXPECT_FALSE(form().colourSwitch().value());
    EXPECT_FALSE(form().featureOn(Feature::Colour));
    EXPECT_FALSE(form().colour().eyerun().has_value());
    EXPECT_EQ(form().rest().xxrun(), "1");
    // Minute keys that read back as their own names are replaced by the first-run values.
    EXPECT_EQ(form().rest().workMinutesText(), "45");
    EXPECT_EQ(form().rest().restMinutesText(), "10");
    EXPECT_EQ(form().rest().label5(), "10:00");
    EXPECT_FALSE(form().overlayVisible());
    EXPECT_THAT(desktop.messages, IsEmpty());
    // Capturing the display's ramp changes nothing on it.
    EXPECT_THAT(gamma.writes, IsEmpty());
}

TEST_F(MainFormTest, LoadReadsTheKeysInOrder)
{
    form().load();
    // The load sequence's four, then the options beyond them, then the night colour.
    EXPECT_THAT(profile.calls,
                ElementsAre("read dsxx/mei", "read dsxx/xiuxi", "read dsxx/pdrun", "read eye/pdrun",
                            "read extra/hold_when_busy", "read extra/away_counts_as_rest",
                            "read extra/hold_in_meetings", "read extra/notice_seconds", "read extra/eye_break_minutes",
                            "read extra/eye_break_seconds", "read extra/work_hours", "read extra/work_days",
                            "read extra/paused_until",
                            "read night/mode", "read night/night_k", "read night/day_k", "read night/start",
                            "read night/end", "read night/fade", "read night/latitude", "read night/longitude",
                            "read night/last_mode"));
}

TEST_F(MainFormTest, ATimedPauseIsWrittenAgainWhenTheLocalClockJumpsUnderIt)
{
    profile.setText("[extra]\npaused_until=1970-01-02 09:45\n");  // "30 分钟" chosen before a restart
    form().load();
    profile.calls.clear();
    clock.jumpLocalClock(-3600);  // daylight saving ends
    form().rest().tick();
    form().rest().tick();
    EXPECT_THAT(writes(), ElementsAre("write extra/paused_until=1970-01-02 08:45"));
    clock.advanceSeconds(29 * 60 + 29);  // 08:44:59
    EXPECT_TRUE(form().rest().paused());
    clock.advanceSeconds(1);
    EXPECT_FALSE(form().rest().paused());
}

TEST_F(MainFormTest, TheNoticeReachesTheShellWithTheStoredLead)
{
    profile.setText("[dsxx]\nmei=30\nxiuxi=5\npdrun=1\n[extra]\nnotice_seconds=30\n");
    std::vector<std::string> notices;
    form().notice = [&](const std::string& text) { notices.push_back(text); };
    form().load();  // due 09:45
    clock.set(testing::FakeClock::at(9, 44, 29));
    form().timer1Tick();
    EXPECT_THAT(notices, IsEmpty());
    clock.advanceSeconds(1);
    form().timer1Tick();
    EXPECT_THAT(notices, ElementsAre("30 秒后休息 5 分钟\n可在托盘菜单中推迟"));
}

TEST_F(MainFormTest, ExitWritesNineKeysInOrderAndRemovesAnUnsetColourSwitch)
{
    form().load();
    profile.calls.clear();
    form().exitSequence();
    EXPECT_THAT(profile.calls,
                ElementsAre("write dsxx/mei=45", "write dsxx/xiuxi=10", "write dsxx/pdrun=1", "write eye/liangdu=0",
                            "write eye/duibidu=100", "write eye/rgbr=0", "write eye/rgbg=0", "write eye/rgbb=0",
                            "remove eye/pdrun"));
}

TEST_F(MainFormTest, StoredSwitchesTurnTheReminderOffAndColourOn)
{
    profile.setText("[dsxx]\nmei=30\nxiuxi=5\npdrun=0\n[eye]\npdrun=1\nliangdu=-20\nduibidu=100\nrgbr=0\nrgbg=0\nrgbb=0\n");
    form().load();

    EXPECT_FALSE(form().restSwitch().value());
    EXPECT_FALSE(form().featureOn(Feature::Rest));
    EXPECT_EQ(form().rest().xxrun(), "0");
    EXPECT_TRUE(form().colourSwitch().value());
    EXPECT_TRUE(form().featureOn(Feature::Colour));
    EXPECT_EQ(form().colour().eyerun(), std::optional<std::string>("1"));
    EXPECT_EQ(form().colour().slider1().value(), -20);
    // No backup file beside the program: the user is told, then the stored brightness applies.
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "\u6CA1\u6709\u53D1\u73B0\u5907\u4EFD\u7684\u6570\u636E");
    EXPECT_EQ(desktop.messages[0].title, std::optional<std::string>("tips"));
    ASSERT_FALSE(gamma.writes.empty());
    EXPECT_EQ(gamma.display().ramp.at(0, 255), 52428);  // 80 % of full: brightness -20
    EXPECT_FALSE(form().overlayVisible());

    profile.calls.clear();
    form().exitSequence();
    EXPECT_THAT(writes(), ElementsAre("write dsxx/mei=30", "write dsxx/xiuxi=5", "write dsxx/pdrun=0",
                                      "write eye/liangdu=-20", "write eye/duibidu=100", "write eye/rgbr=0",
                                      "write eye/rgbg=0", "write eye/rgbb=0", "write eye/pdrun=1"));
}

TEST_F(MainFormTest, OnlyAnExactZeroTurnsTheReminderOffAndOnlyAnExactOneTurnsColourOn)
{
    profile.setText("[dsxx]\npdrun=00\n[eye]\npdrun=01\n");
    form().load();
    EXPECT_TRUE(form().restSwitch().value());
    EXPECT_EQ(form().rest().xxrun(), "1");
    EXPECT_FALSE(form().colourSwitch().value());
    EXPECT_FALSE(form().colour().eyerun().has_value());
}

TEST_F(MainFormTest, OverlayShowsOnlyThePanelLastChosen)
{
    form().load();
    int changes = 0;
    form().changed = [&] { ++changes; };

    form().openPanel(Feature::Colour);
    EXPECT_TRUE(form().overlayVisible());
    EXPECT_TRUE(form().panelVisible(Feature::Colour));
    EXPECT_FALSE(form().panelVisible(Feature::Rest));

    form().closeOverlay();
    EXPECT_FALSE(form().overlayVisible());
    EXPECT_TRUE(form().panelVisible(Feature::Colour));  // panels keep their state behind a closed overlay

    form().openPanel(Feature::Rest);
    EXPECT_TRUE(form().overlayVisible());
    EXPECT_FALSE(form().panelVisible(Feature::Colour));
    EXPECT_TRUE(form().panelVisible(Feature::Rest));
    EXPECT_EQ(changes, 3);  // each operation asks the shell for one redraw
}

TEST_F(MainFormTest, TypedMinutesSurviveBackAndAreWrittenAtExit)
{
    form().load();
    form().openPanel(Feature::Rest);
    form().rest().setWorkMinutesText("50");
    form().rest().setRestMinutesText("7");
    form().closeOverlay();
    profile.calls.clear();
    form().exitSequence();
    EXPECT_EQ(writes().at(0), "write dsxx/mei=50");
    EXPECT_EQ(writes().at(1), "write dsxx/xiuxi=7");
}

TEST_F(MainFormTest, RestPanelOkClosesTheOverlayOnlyForValidMinutes)
{
    form().load();
    form().openPanel(Feature::Rest);
    form().rest().setWorkMinutesText("0");
    form().restPanelOk();
    EXPECT_TRUE(form().overlayVisible());
    EXPECT_EQ(desktop.messages.size(), 1u);

    form().rest().setWorkMinutesText("20");
    form().restPanelOk();
    EXPECT_FALSE(form().overlayVisible());
    EXPECT_EQ(form().rest().label5(), "09:35");
}

TEST_F(MainFormTest, AboutOpensTheFixedPathOnTheConfiguredHost)
{
    form().aboutClick();
    EXPECT_THAT(desktop.urls, ElementsAre("https://host.example.org/tool/eye.html?v=1.4"));
}

}  // namespace
}  // namespace vistrel

namespace vistrel {
namespace {

TEST(MainFormHistoryTest, ARunIsRecordedFromLoadToExitUnlessTheUserTurnedItOff)
{
    testing::FakeClock clock{testing::FakeClock::at(9, 15, 30)};
    testing::RecordingGammaDevice gamma;
    testing::FakeDesktopServices desktop;
    for (const bool off : {false, true}) {
        testing::InMemoryProfile profile;
        if (off) profile.setText("[extra]\nrecord_history=0\n");
        testing::InMemoryHistoryStorage history;
        MainForm form({profile, clock, gamma, desktop, nullptr, &history}, "https://host.example.org/");
        form.load();
        form.exitSequence();
        form.exitSequence();  // the session's end, then the program's
        const ParsedHistory parsed = parseHistory(history.current);
        ASSERT_EQ(parsed.records.size(), off ? 0u : 2u);
        if (!off) {
            EXPECT_EQ(parsed.records[1].event, HistoryEvent::Exit);
        }
    }
}

}  // namespace
}  // namespace vistrel
