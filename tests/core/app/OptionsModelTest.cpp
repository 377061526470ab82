#include <gtest/gtest.h>

#include "app/OptionsModel.h"
#include "app/TrayMenu.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"
#include "settings/LanguageSetting.h"

namespace vistrel::testing {
namespace {

using Field = OptionsModel::Field;
using Mode = NightSettings::Mode;

constexpr const char* kStored = "[night]\nmode=times\nnight_k=3600\nstart=21:00\nend=07:00\nfade=30\n";

class OptionsModelTest : public ::testing::Test {
protected:
    OptionsModel& open(std::string settings, std::optional<Place> homeRegion = std::nullopt)
    {
        profile.setText(std::move(settings));
        model.emplace(OptionsModelPorts{profile, desktop, texts, hooks, homeRegion, setLanguage});
        return *model;
    }
    const TrayMenuItem& trayItem(std::string_view text)
    {
        for (const TrayMenuItem& item : tray.open())
            if (item.text == text) return item;
        throw std::runtime_error("no item " + std::string(text));
    }

    FakeClock clock;
    FakeDesktopServices desktop;
    InMemoryProfile profile;
    Texts texts;
    int languageChanges = 0;
    // As MainForm::setLanguage does it.
    std::function<void(Language)> setLanguage = [this](Language language) {
        writeLanguage(profile, language);
        texts.setLanguage(language);
        ++languageChanges;
    };
    RestReminder rest{clock, desktop, RestReminderHooks{}};
    TrayMenu tray{{profile, clock, desktop, rest, nullptr}};
    std::vector<std::string> calls;  // what reached the night colour
    NightHooks hooks{
        .apply = [this](const NightSettings& s) { calls.push_back("apply " + std::to_string(s.nightK)); },
        .preview = [this](int k) { calls.push_back("preview " + std::to_string(k)); },
        .endPreview = [this] { calls.push_back("end"); },
        .displayStatus = nullptr,
        .sunTimes = nullptr,
    };
    std::optional<OptionsModel> model;
};

TEST_F(OptionsModelTest, AnInvalidFieldInUseRefusesTheApplyWithItsOwnErrorAndNothingIsWritten)
{
    struct Case {
        Mode mode;
        Field field;
        const char* text;
        const char* error;
    };
    for (const Case& c : {Case{Mode::Times, Field::Start, "25:00", "开始时间应在 00:00 到 23:59 之间"},
                          Case{Mode::Times, Field::Fade, "121", "渐变时间应在 0 到 120 分钟之间"},
                          Case{Mode::Sun, Field::Latitude, "95", "纬度应在 -90 到 90 之间"},
                          Case{Mode::Sun, Field::Longitude, "13,4", "经度应在 -180 到 180 之间"}}) {
        OptionsModel& m = open(kStored);
        m.setMode(c.mode);
        m.setText(Field::Latitude, "52.52");
        m.setText(Field::Longitude, "13.4");
        m.setText(c.field, c.text);
        EXPECT_EQ(m.error(c.field), c.error);
        EXPECT_EQ(m.applyNight(), c.field) << c.text;
        EXPECT_EQ(profile.text(), kStored) << c.text;
    }
    EXPECT_TRUE(calls.empty());
}

TEST_F(OptionsModelTest, AFieldTheModeDoesNotUseKeepsItsLastGoodValueAndAValidEditIsTaken)
{
    OptionsModel& m = open(kStored);
    m.setMode(Mode::Sun);
    m.setText(Field::Latitude, " -33.8688 ");
    m.setText(Field::Longitude, "151.2093");
    m.setText(Field::Start, "25:00");  // left wrong, then the sun was chosen instead
    m.setText(Field::End, "06:30");
    EXPECT_FALSE(m.inUse(Field::Start));
    ASSERT_EQ(m.applyNight(), std::nullopt);

    const NightSettings written = NightSettings::read(profile);
    EXPECT_EQ(written.mode, Mode::Sun);
    EXPECT_EQ(written.start.text(), "21:00");
    EXPECT_EQ(written.end.text(), "06:30");
    EXPECT_DOUBLE_EQ(*written.latitude, -33.8688);
    EXPECT_EQ(calls, (std::vector<std::string>{"apply 3600"}));
    EXPECT_FALSE(m.nightChanged());
}

TEST_F(OptionsModelTest, ThePreviewEndsOnCancelOrApplyAndCancelLeavesTheSectionUntouched)
{
    OptionsModel& m = open(kStored);
    m.setNightKelvin(2749);  // the trackbar's steps of 100 K
    m.setNightKelvin(100);
    EXPECT_EQ(m.nightKelvin(), 1900);
    m.endPreview();  // Cancel
    m.endPreview();  // and the page closing after it
    EXPECT_EQ(calls, (std::vector<std::string>{"preview 2700", "preview 1900", "end"}));
    EXPECT_EQ(profile.text(), kStored);

    calls.clear();
    m.setNightKelvin(4000);
    ASSERT_EQ(m.applyNight(), std::nullopt);
    EXPECT_EQ(calls, (std::vector<std::string>{"preview 4000", "end", "apply 4000"}));
    EXPECT_EQ(NightSettings::read(profile).nightK, 4000);
}

TEST_F(OptionsModelTest, WindowsHomeRegionIsShownButWrittenOnlyWhenTheSunIsChosen)
{
    OptionsModel& m = open("", Place{52.52, 13.405});
    EXPECT_EQ(m.text(Field::Latitude), "52.52");
    EXPECT_EQ(m.text(Field::Longitude), "13.405");
    EXPECT_EQ(m.sunTimesText(), "今日日落 —，日出 —") << "no sun times without the night colour";
    m.setMode(Mode::Times);
    ASSERT_EQ(m.applyNight(), std::nullopt);
    EXPECT_EQ(NightSettings::read(profile).latitude, std::nullopt);
    m.setMode(Mode::Sun);
    ASSERT_EQ(m.applyNight(), std::nullopt);
    EXPECT_DOUBLE_EQ(NightSettings::read(profile).latitude.value_or(0), 52.52);
}

TEST_F(OptionsModelTest, SunTimesAndDisplayStatusComeFromTheNightColour)
{
    std::optional<Place> asked;
    hooks.sunTimes = [&](Place p) {
        asked = p;
        return SunTimes{FakeClock::at(5, 10), std::nullopt};
    };
    using State = NightDisplayStatus::State;
    hooks.displayStatus = [] {
        return std::vector<NightDisplayStatus>{{"\\\\.\\DISPLAY1", State::Hdr, 6500}, {"\\\\.\\DISPLAY2", State::Normal, 6500},
                                               {"\\\\.\\DISPLAY3", State::Limited, 3000}};
    };
    OptionsModel& m = open("[night]\nlatitude=69.65\nlongitude=18.96\n");
    EXPECT_EQ(m.sunTimesText(), "今日日落 —，日出 05:10");
    EXPECT_DOUBLE_EQ(asked->latitude, 69.65);
    EXPECT_EQ(m.displayStatusText(), "DISPLAY1：HDR 模式，不调色温；DISPLAY3：Windows 只允许到 3000 K");
    m.setText(Field::Latitude, "");
    EXPECT_EQ(m.sunTimesText(), "今日日落 —，日出 —");
}

TEST_F(OptionsModelTest, StartWithWindowsFollowsTheTrayAndARefusedChangeShowsTheRealState)
{
    OptionsModel& m = open("");
    m.setGeneral({.startWithWindows = true});
    EXPECT_TRUE(m.generalChanged());
    ASSERT_TRUE(m.applyGeneral());
    EXPECT_TRUE(desktop.startWithWindows);
    EXPECT_FALSE(m.generalChanged());

    tray.choose(trayItem("开机启动").id);
    m.refreshGeneral();
    EXPECT_FALSE(m.general().startWithWindows) << "the tray's change shows when the page is shown again";

    m.setGeneral({.startWithWindows = true});
    desktop.autostartRefused = true;
    EXPECT_FALSE(m.applyGeneral());
    EXPECT_EQ(desktop.messages.back().text, "无法设置开机启动。");
    EXPECT_FALSE(m.general().startWithWindows) << "the page shows what is in force";
}

TEST_F(OptionsModelTest, TheLanguageIsChineseUntilChosenAndSavedOnlyWhenChanged)
{
    OptionsModel& m = open(kStored);
    EXPECT_EQ(m.general().language, Language::Chinese);
    m.setGeneral({.startWithWindows = true, .language = Language::Chinese});
    ASSERT_TRUE(m.applyGeneral());
    EXPECT_EQ(languageChanges, 0);
    EXPECT_EQ(profile.text(), kStored) << "no language key for an unchanged language";

    m.setGeneral({.startWithWindows = true, .language = Language::English});
    EXPECT_TRUE(m.generalChanged());
    ASSERT_TRUE(m.applyGeneral());
    EXPECT_EQ(languageChanges, 1);
    EXPECT_EQ(readLanguage(profile), Language::English);
    EXPECT_FALSE(m.generalChanged()) << "the page reads the language in force";
    ASSERT_TRUE(m.applyGeneral());
    EXPECT_EQ(languageChanges, 1);

    // Texts made from then on are in English, their numbers in place.
    m.setText(Field::Fade, "121");
    EXPECT_EQ(m.error(Field::Fade), "The fade must be 0 to 120 minutes");
    EXPECT_EQ(m.sunTimesText(), "Today: sunset —, sunrise —");
}

}  // namespace
}  // namespace vistrel::testing
