#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "app/Autostart.h"
#include "settings/SettingsFolder.h"
#include "settings/WatchedProfile.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"

namespace vistrel::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(SettingsFolderTest, TheFirstFolderThatTakesAWriteWinsAndNoneFallsBackToTheProgramFolder)
{
    const std::vector<std::string> folders{"C:\\Tools", "C:\\Users\\u\\AppData\\Roaming\\Vistrel"};
    const auto portable = SettingsFolder::choose(folders, [](const std::string&) { return true; });
    EXPECT_EQ(portable.folder(), "C:\\Tools");
    EXPECT_EQ(portable.tried, std::vector<std::string>{"C:\\Tools"}) << "the per-user folder was not tried";
    const auto perUser = SettingsFolder::choose(folders, [](const std::string& f) { return f != "C:\\Tools"; });
    EXPECT_EQ(perUser.folder(), folders[1]);
    EXPECT_TRUE(perUser.saves());
    const auto none = SettingsFolder::choose(folders, [](const std::string&) { return false; });
    EXPECT_FALSE(none.saves());
    EXPECT_EQ(none.folder(), "C:\\Tools");
    EXPECT_EQ(unsavedSettingsMessage(none.tried).text(),
              "设置无法保存：以下文件夹都不能写入。\n\nC:\\Tools\nC:\\Users\\u\\AppData\\Roaming\\Vistrel\n\n"
              "程序照常运行，但本次更改的设置在退出后不会保留。");
}

TEST(SettingsFolderTest, TheWarningSaysWhatFailedAndWhereItWasTried)
{
    const UnsavedSettingsMessage message = unsavedSettingsMessage({"C:\\Tools", "D:\\Vistrel"});
    std::set<std::string> texts;
    for (const WriteFailure cause : {WriteFailure::Denied, WriteFailure::DiskFull, WriteFailure::InUse,
                                     WriteFailure::UnspellablePath, WriteFailure::Unstorable, WriteFailure::Other}) {
        const std::string text = message.text(cause);
        EXPECT_TRUE(text.starts_with("设置无法保存：")) << text;
        EXPECT_THAT(text, HasSubstr("\nC:\\Tools\nD:\\Vistrel\n"));
        EXPECT_THAT(text, Not(HasSubstr("都不能写入"))) << "the folders are not what failed";
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 6u);
}

TEST(SettingsFolderTest, AFailedWriteWarnsOncePerRunAndIsNeverReportedAsSaved)
{
    InMemoryProfile file("[dsxx]\nmei=30\n");
    FakeDesktopServices desktop;
    WatchedProfile profile(file, desktop, unsavedSettingsMessage({"C:\\Tools"}));
    EXPECT_TRUE(profile.write("dsxx", "mei", "45"));
    EXPECT_TRUE(desktop.messages.empty());

    file.readOnly = true;
    file.refusal = WriteFailure::InUse;
    // A write made while the box is open (a timer's) must not open a second one.
    desktop.onMessage = [&](const auto&) { EXPECT_FALSE(profile.write("dsxx", "xiuxi", "5")); };
    EXPECT_FALSE(profile.write("dsxx", "mei", "50"));
    EXPECT_FALSE(profile.write("eye", "pdrun", std::nullopt));
    profile.warn();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, unsavedSettingsMessage({"C:\\Tools"}).text(WriteFailure::InUse));
    EXPECT_THAT(desktop.messages[0].text, HasSubstr("占用"));
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(profile.read("dsxx", "mei", "mei"), "45");
    EXPECT_FALSE(desktop.traces.empty());
}

TEST(SettingsFolderTest, TheWarningSpeaksTheLanguageInForceWhenItShows)
{
    InMemoryProfile file("");
    FakeDesktopServices desktop;
    WatchedProfile profile(file, desktop, unsavedSettingsMessage({"C:\\Tools"}));
    Texts texts;
    profile.useTexts(texts);
    texts.setLanguage(Language::English);
    file.readOnly = true;
    file.refusal = WriteFailure::DiskFull;
    EXPECT_FALSE(profile.write("dsxx", "mei", "50"));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text,
              "Settings cannot be saved: the disk is full.\n\nSettings folders tried:\nC:\\Tools\n\n"
              "Vistrel runs on, but settings you change may be lost when it ends.");
    EXPECT_EQ(desktop.messages[0].title, "Vistrel");
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
