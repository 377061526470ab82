#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/Autostart.h"
#include "settings/SettingsFolder.h"
#include "settings/WatchedProfile.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"

namespace vistrel::testing {
namespace {

TEST(SettingsFolderTest, TheFirstFolderThatTakesAWriteWinsAndNoneFallsBackToTheProgramFolder)
{
    const std::vector<std::string> folders{"C:\\Tools", "C:\\Users\\u\\AppData\\Roaming\\Vistrel"};
    const auto portable = SettingsFolder::choose(folders, [](const std::string&) { return true; });
    EXPECT_EQ(portable.folder(), "C:\\Tools");
    const auto perUser = SettingsFolder::choose(folders, [](const std::string& f) { return f != "C:\\Tools"; });
    EXPECT_EQ(perUser.folder(), folders[1]);
    EXPECT_TRUE(perUser.saves());
    const auto none = SettingsFolder::choose(folders, [](const std::string&) { return false; });
    EXPECT_FALSE(none.saves());
    EXPECT_EQ(none.folder(), "C:\\Tools");
    const std::string message = unsavedSettingsMessage(none.tried);
    EXPECT_TRUE(message.starts_with("设置无法保存"));
    EXPECT_NE(message.find(folders[0]), std::string::npos);
    EXPECT_NE(message.find(folders[1]), std::string::npos);
}

TEST(SettingsFolderTest, AFailedWriteWarnsOncePerRunAndIsNeverReportedAsSaved)
{
    InMemoryProfile file("[dsxx]\nmei=30\n");
    FakeDesktopServices desktop;
    WatchedProfile profile(file, desktop, "warning");
    EXPECT_TRUE(profile.write("dsxx", "mei", "45"));
    EXPECT_TRUE(desktop.messages.empty());

    file.readOnly = true;
    // A write made while the box is open (a timer's) must not open a second one.
    desktop.onMessage = [&](const auto&) { EXPECT_FALSE(profile.write("dsxx", "xiuxi", "5")); };
    EXPECT_FALSE(profile.write("dsxx", "mei", "50"));
    EXPECT_FALSE(profile.write("eye", "pdrun", std::nullopt));
    profile.warn();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "warning");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(profile.read("dsxx", "mei", "mei"), "45");
    EXPECT_FALSE(desktop.traces.empty());
}

TEST(AutostartTest, TheRunValueIsOursOnlyWhenItStartsThisVeryProgram)
{
    const std::string exe = "C:\\Users\\Li Wei\\AppData\\Local\\Programs\\Vistrel\\vistrel.exe";
    const std::string command = autostart::runCommand(exe);
    EXPECT_EQ(command, "\"" + exe + "\" --tray");
    EXPECT_TRUE(autostart::startsProgram(command, exe));
    EXPECT_TRUE(autostart::startsProgram("  \"C:\\USERS\\LI WEI\\APPDATA\\LOCAL\\PROGRAMS\\VISTREL\\VISTREL.EXE\"", exe));
    EXPECT_TRUE(autostart::startsProgram("C:\\Tools\\vistrel.exe --tray", "C:\\Tools\\vistrel.exe"));
    EXPECT_FALSE(autostart::startsProgram("\"D:\\Old\\vistrel.exe\" --tray", exe));
    EXPECT_FALSE(autostart::startsProgram("C:\\Users\\Li Wei\\x.exe", exe));  // unquoted: ends at the blank
    EXPECT_FALSE(autostart::startsProgram("", exe));
    EXPECT_FALSE(autostart::startsProgram("\"", exe));

    const std::uint8_t enabled[] = {2, 0, 0}, disabled[] = {3, 0, 0};
    EXPECT_FALSE(autostart::disabledByUser(enabled));
    EXPECT_TRUE(autostart::disabledByUser(disabled));
    EXPECT_FALSE(autostart::disabledByUser({}));

    EXPECT_TRUE(autostart::startsInTray({"/x", "--tray"}));
    EXPECT_FALSE(autostart::startsInTray({"--TRAY", "tray", "-tray"}));
    EXPECT_FALSE(autostart::startsInTray({}));
}

}  // namespace
}  // namespace vistrel::testing
