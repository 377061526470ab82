#include <gtest/gtest.h>

#include "app/TrayMenu.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"

namespace vistrel::testing {
namespace {

std::vector<std::string> lines(const std::vector<TrayMenuItem>& items)
{
    std::vector<std::string> texts;
    for (const TrayMenuItem& item : items) texts.push_back(item.text);
    return texts;
}

// FakeClock's day 1 is 1970-01-02, a Friday.
TEST(TrayMenuEnglishTest, TheMenuSpeaksTheLanguageOfEachOpening)
{
    FakeClock clock{FakeClock::at(10, 0, 0)};
    FakeDesktopServices desktop;
    InMemoryProfile profile;
    Texts texts{Language::English};
    RestReminder rest{clock, desktop, {}, nullptr, texts};
    TrayMenu menu{{profile, clock, desktop, rest, nullptr, nullptr, texts}};
    const auto start = [&](std::string settings) {
        profile.setText(std::move(settings));
        rest.loadSettings("30", "10", "1");
        rest.switchClick(true);
        rest.setOptions(ReminderOptions::read(profile, clock));
    };

    start("");
    const std::vector<TrayMenuItem>& items = menu.open();
    EXPECT_EQ(lines(items), (std::vector<std::string>{"Next rest at 10:30", "Postpone 5 minutes", "Pause reminders",
                                                      "Hold reminders in full screen", "Count time away as rest",
                                                      "Eye breaks", "Start with Windows", "", "Display", "About", "",
                                                      "Exit"}));
    EXPECT_EQ(lines(items[2].submenu), (std::vector<std::string>{"30 minutes", "1 hour", "Until tomorrow"}));

    start("[extra]\nwork_hours=09:00-18:00\nwork_days=12345\n");
    clock.set(FakeClock::at(18, 0, 0));
    EXPECT_EQ(menu.open().front().text, "Outside work hours, reminders from Mon 09:00");
    start("[extra]\npaused_until=1970-02-10 09:00\n");
    EXPECT_EQ(menu.open().front().text, "Reminders paused until 2/10 09:00");

    texts.setLanguage(Language::Chinese);
    EXPECT_EQ(menu.open().front().text, "提醒已暂停至 2月10日 09:00") << "built afresh in the new language";
}

}  // namespace
}  // namespace vistrel::testing
