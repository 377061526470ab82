#include <gmock/gmock.h>

#include "core/reminder/RestReminderFixture.h"

namespace vistrel::testing {
namespace {

using ::testing::ElementsAre;

// The fixture's reminder speaks the designed Chinese; this one English, from a language that can change.
class RestReminderEnglish : public RestReminderFixture {
protected:
    Texts texts{Language::English};
    RestReminder english{clock, desktop, {.showNotice = [this](const std::string& text) { notices.push_back(text); }},
                         nullptr, texts};

    // A new day's load with the rest due at 12:30, and the clock on to the notice's second.
    void noticeBefore(int seconds, std::string_view restMinutes, int day)
    {
        clock.set(FakeClock::at(12, 0, 0, day));
        english.loadSettings("30", restMinutes, "1");
        english.switchClick(true);
        english.dsxxadd();
        ReminderOptions options;
        options.noticeSeconds = seconds;
        english.setOptions(options);
        clock.set(FakeClock::at(12, 30, 0, day));
        clock.advanceSeconds(-seconds - 1);
        english.tick();
        clock.advanceSeconds(1);
        english.tick();
    }
};

TEST_F(RestReminderEnglish, NumbersAgreeWithTheirWordsWhereverEnglishPutsThem)
{
    const auto promptAfter = [&](int seconds) {
        for (int i = 0; i < seconds + 5; ++i) {
            clock.advanceSeconds(1);
            english.tick();
        }
        return english.prompt().message(english.texts());
    };
    noticeBefore(60, "1", 1);
    EXPECT_EQ(promptAfter(60), "You have 1 minute of rest");
    english.promptContinueWork();
    noticeBefore(45, "10", 2);  // under a minute
    EXPECT_THAT(notices, ElementsAre("Rest for 1 minute in 1 minute\nYou can postpone it from the tray menu",
                                     "Rest for 10 minutes in 45 seconds\nYou can postpone it from the tray menu"));
    EXPECT_EQ(promptAfter(45), "You have 10 minutes of rest");
    EXPECT_EQ(english.prompt().message(Texts(Language::Chinese)), "你有 10 分钟休息时间") << "a language change shows";

    english.setWorkMinutesText("0");
    EXPECT_FALSE(english.applyPanel());
    EXPECT_EQ(desktop.messages.back().text, "Work length must be a whole number from 1 to 1439");
    EXPECT_EQ(minuteRangesHint(texts), "Work 1-1439 min, rest 1-555 min");
    EyeBreak eyeBreak;
    eyeBreak.open(1);
    EXPECT_EQ(eyeBreak.secondsText(texts), "1 second");
}

}  // namespace
}  // namespace vistrel::testing
