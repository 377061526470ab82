#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fakes/FakeDesktopServices.h"
#include "fakes/RecordingGammaDevice.h"
#include "gamma/ColourAdjustment.h"
#include "gamma/GammaMath.h"

namespace vistrel {
namespace {

using testing::FakeDesktopServices;
using testing::RecordingGammaDevice;
using Message = FakeDesktopServices::Message;
using Status = DesktopServices::TextFile::Status;

// Settings as a plain map; keeps the order of writes so a test can check it.
class MapProfile final : public Profile {
public:
    std::string read(std::string_view section, std::string_view key, std::string_view fallback) const override
    {
        if (log) log->push_back("read " + std::string(key));
        const auto it = values.find(std::string(section) + "/" + std::string(key));
        return it == values.end() ? std::string(fallback) : it->second;
    }
    bool write(std::string_view section, std::string_view key, const std::optional<std::string>& value) override
    {
        const std::string name = std::string(section) + "/" + std::string(key);
        writes.push_back(name + "=" + value.value_or("<removed>"));
        if (value)
            values[name] = *value;
        else
            values.erase(name);
        return true;
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
    std::vector<std::string>* log = nullptr;  // reads, when a test wants them interleaved with events
};

const Message kNoBackup{"没有发现备份的数据", "tips", MessageIcon::Warning};
const Message kUnusable{"备份的数据无法使用", "tips", MessageIcon::Warning};
const Message kDoneRead{"完成", std::nullopt, MessageIcon::None};
const Message kDoneMissing{"完成", "提示", MessageIcon::Warning};

// What the display held at load: a calibrated, non-linear ramp.
GammaRamp loadRamp()
{
    GammaRamp ramp = GammaRamp::identity();
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i) ramp.at(2, i) = static_cast<std::uint16_t>(200 * i + 5);
    return ramp;
}

// What the backup file holds: a plain linear ramp, written one entry per line.
std::string backupText(const GammaRamp& ramp = GammaRamp::identity())
{
    std::string text;
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i)
        for (std::size_t c = 0; c < GammaRamp::kChannels; ++c)
            text += std::to_string(static_cast<std::int16_t>(ramp.at(c, i))) + (c == 2 ? "\r\n" : ",");
    return text;
}

class ColourAdjustmentTest : public ::testing::Test {
protected:
    ColourAdjustmentTest() { device.display().ramp = loadRamp(); }

    void withBackup(const std::string& text) { desktop.files["monitor.txt"] = {Status::Read, text}; }
    void store(const char* b, const char* c, const char* r, const char* g, const char* bl)
    {
        profile.values = {{"eye/liangdu", b}, {"eye/duibidu", c}, {"eye/rgbr", r}, {"eye/rgbg", g}, {"eye/rgbb", bl}};
    }
    std::vector<int> sliderValues() const
    {
        return {colour.slider1().value(), colour.slider2().value(), colour.slider3(0).value(),
                colour.slider3(1).value(), colour.slider3(2).value()};
    }
    const GammaRamp& lastWrite() const { return device.writes.back().ramp; }
    const GammaRamp& saved(std::size_t display = 0) const { return colour.displays().at(display).saved; }

    MapProfile profile;
    RecordingGammaDevice device;
    FakeDesktopServices desktop;
    Texts texts;
    int overlayHides = 0;
    ColourAdjustment colour{profile, device, desktop, texts, {[this] { ++overlayHides; }, {}}};
};

TEST_F(ColourAdjustmentTest, LoadCapturesWithoutTouchingTheDisplay)
{
    EXPECT_EQ(colour.colo1Text(), "1");
    EXPECT_EQ(colour.colo3Text(), "2");
    colour.colorload();
    EXPECT_EQ(saved(), loadRamp());
    EXPECT_TRUE(device.writes.empty());
    EXPECT_EQ(sliderValues(), (std::vector<int>{0, 100, 0, 0, 0}));
    EXPECT_EQ(colour.slider2().min(), 1);
    EXPECT_EQ(colour.slider3(2).min(), -50);
    EXPECT_EQ(colour.colo1Text(), "0");
    EXPECT_EQ(colour.colo3Text(), "100");
    EXPECT_FALSE(colour.eyerun());
    EXPECT_FALSE(colour.captionGreen());
    EXPECT_FALSE(colour.settingsIconVisible());
}

TEST_F(ColourAdjustmentTest, AnUnusableDisplayRampIsReplacedByTheIdentity)
{
    device.display().readable = false;
    colour.colorload();
    EXPECT_EQ(saved(), GammaRamp::identity());

    device.display().readable = true;
    device.display().ramp = GammaRamp{};
    colour.colorload();
    EXPECT_EQ(saved(), GammaRamp::identity());
    colour.slider1().setValue(-50);
    EXPECT_EQ(lastWrite().at(0, 255), 32768);
}

TEST_F(ColourAdjustmentTest, NothingHappensBeforeLoad)
{
    store("-20", "100", "0", "0", "0");
    colour.safeSwitch1Click(false);  // the switch's initial position while the window is built
    colour.safeSwitch1Click(true);
    colour.command3Click();
    colour.resetClick();
    colour.slider1().setValue(-30);
    EXPECT_TRUE(device.writes.empty());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_FALSE(colour.eyerun());
    EXPECT_EQ(overlayHides, 0);
    EXPECT_EQ(colour.colo1Text(), "-30");
}

TEST_F(ColourAdjustmentTest, TheLatestAdjustmentAloneIsOnTheDisplay)
{
    colour.colorload();
    colour.slider1().setValue(-30);
    EXPECT_EQ(lastWrite(), brightnessRamp(loadRamp(), -30));
    EXPECT_EQ(colour.colo1Text(), "-30");
    colour.slider2().setValue(60);
    EXPECT_EQ(lastWrite(), contrastRamp(loadRamp(), 60));
    EXPECT_EQ(colour.colo3Text(), "60");
    colour.slider1().setValue(-29);
    EXPECT_EQ(lastWrite(), brightnessRamp(loadRamp(), -29));
    EXPECT_EQ(colour.displays()[0].lastWritten, lastWrite());
    EXPECT_EQ(device.writes.size(), 3u);
    EXPECT_EQ(colour.colo3Text(), "60");  // the label keeps the value whose effect was replaced
}

TEST_F(ColourAdjustmentTest, AnyGainRecomputesAllThreeChannelsInOneWrite)
{
    colour.colorload();
    colour.slider3(0).setValue(20);
    colour.slider3(2).setValue(-10);
    colour.slider1().setValue(5);
    const auto before = device.writes.size();
    colour.slider3(1).setValue(-40);
    ASSERT_EQ(device.writes.size(), before + 1);
    EXPECT_EQ(lastWrite(), gainRamp(loadRamp(), 20, -40, -10));
}

TEST_F(ColourAdjustmentTest, SwitchOnWithoutBackupAppliesStoredValuesToTheLoadRamp)
{
    store("-20", "100", "0", "0", "0");
    colour.colorload();
    std::size_t writesAtMessage = 99;
    desktop.onMessage = [&](const Message&) { writesAtMessage = device.writes.size(); };
    colour.safeSwitch1Click(true);
    EXPECT_EQ(desktop.messages, std::vector<Message>{kNoBackup});
    EXPECT_EQ(writesAtMessage, 0u);  // the ramp is written only after the box is dismissed
    ASSERT_EQ(device.writes.size(), 2u);
    EXPECT_EQ(device.writes[0].ramp, loadRamp());
    EXPECT_EQ(device.writes[1].ramp, brightnessRamp(loadRamp(), -20));
    EXPECT_EQ(colour.eyerun(), "1");
    EXPECT_TRUE(colour.captionGreen());
    EXPECT_TRUE(colour.settingsIconVisible());
}

TEST_F(ColourAdjustmentTest, SwitchOnPutsGainsOverContrastOverBrightness)
{
    withBackup(backupText());
    colour.colorload();

    store("-20", "80", "0", "0", "-10");
    colour.safeSwitch1Click(true);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(saved(), GammaRamp::identity());
    EXPECT_EQ(lastWrite(), gainRamp(GammaRamp::identity(), 0, 0, -10));
    EXPECT_EQ(sliderValues(), (std::vector<int>{-20, 80, 0, 0, -10}));

    store("-20", "80", "0", "0", "0");
    colour.safeSwitch1Click(true);
    EXPECT_EQ(lastWrite(), contrastRamp(GammaRamp::identity(), 80));

    store("0", "100", "0", "0", "0");
    colour.safeSwitch1Click(true);
    EXPECT_EQ(lastWrite(), GammaRamp::identity());
}

TEST_F(ColourAdjustmentTest, EachStoredValueIsReadJustBeforeItsAssignment)
{
    colour.colorload();
    store("1", "2", "3", "4", "5");
    std::vector<std::string> events;
    profile.log = &events;
    colour.slider1().addChangeListener([&](int v) { events.push_back("brightness " + std::to_string(v)); });
    colour.slider2().addChangeListener([&](int v) { events.push_back("contrast " + std::to_string(v)); });
    for (std::size_t c = 0; c < ColourAdjustment::kGainSliders; ++c)
        colour.slider3(c).addChangeListener([&](int v) { events.push_back("gain " + std::to_string(v)); });
    colour.safeSwitch1Click(true);
    EXPECT_EQ(events, (std::vector<std::string>{"read liangdu", "brightness 1", "read duibidu", "contrast 2",
                                                "read rgbr", "gain 3", "read rgbg", "gain 4", "read rgbb",
                                                "gain 5"}));
}

TEST_F(ColourAdjustmentTest, DamagedStoredValuesFallBackToNeutralOrTheRange)
{
    colour.colorload();
    colour.safeSwitch1Click(true);  // no keys at all: each reads as its own name
    EXPECT_EQ(sliderValues(), (std::vector<int>{0, 100, 0, 0, 0}));

    store("abc", "0", "12.5", "999", "-70");
    colour.safeSwitch1Click(true);
    EXPECT_EQ(sliderValues(), (std::vector<int>{0, 1, 0, 50, -50}));
    EXPECT_EQ(lastWrite(), gainRamp(loadRamp(), 0, 50, -50));
}

TEST_F(ColourAdjustmentTest, SwitchOffWithThePanelOpenRestoresTheBackup)
{
    withBackup(backupText());
    store("10", "90", "1", "2", "3");
    colour.colorload();
    colour.safeSwitch1Click(true);
    colour.slider1().setValue(30);

    // The file is read afresh: whatever it holds now is what the display gets.
    const GammaRamp backup = brightnessRamp(GammaRamp::identity(), -5);
    withBackup(backupText(backup));
    colour.safeSwitch1Click(false);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(overlayHides, 1);
    EXPECT_EQ(sliderValues(), (std::vector<int>{0, 100, 0, 0, 0}));
    EXPECT_EQ(lastWrite(), backup);
    EXPECT_EQ(colour.eyerun(), "0");
    EXPECT_FALSE(colour.captionGreen());
    EXPECT_FALSE(colour.settingsIconVisible());
}

TEST_F(ColourAdjustmentTest, ResetReportsAndWritesTheSavedRamp)
{
    colour.colorload();
    colour.slider3(2).setValue(-25);
    colour.resetClick();
    EXPECT_EQ(desktop.messages.back(), kDoneMissing);
    EXPECT_EQ(sliderValues(), (std::vector<int>{0, 100, 0, 0, 0}));
    EXPECT_EQ(lastWrite(), loadRamp());

    withBackup(backupText());
    std::size_t writesAtMessage = 0;
    desktop.onMessage = [&](const Message&) { writesAtMessage = device.writes.size(); };
    const auto before = device.writes.size();
    colour.resetClick();
    EXPECT_EQ(desktop.messages.back(), kDoneRead);
    EXPECT_EQ(writesAtMessage, before);
    EXPECT_EQ(lastWrite(), GammaRamp::identity());
    EXPECT_EQ(saved(), GammaRamp::identity());
}

TEST_F(ColourAdjustmentTest, AnUnusableBackupIsRejectedWholeAndReported)
{
    colour.colorload();
    const std::string tooShort = backupText().substr(0, 100);
    const std::string zeros = backupText(GammaRamp{});
    for (const DesktopServices::TextFile& file :
         {DesktopServices::TextFile{Status::Read, tooShort}, DesktopServices::TextFile{Status::Read, "1,2,x"},
          DesktopServices::TextFile{Status::Read, zeros}, DesktopServices::TextFile{Status::Unreadable, ""}}) {
        desktop.files["monitor.txt"] = file;
        desktop.messages.clear();
        colour.command3Click();
        EXPECT_EQ(desktop.messages, std::vector<Message>{kUnusable});
        EXPECT_EQ(saved(), loadRamp());
        EXPECT_EQ(lastWrite(), loadRamp());
    }
    desktop.messages.clear();
    colour.resetClick();
    EXPECT_EQ(desktop.messages, std::vector<Message>{kUnusable});
}

TEST_F(ColourAdjustmentTest, OkStoresAllFiveValuesInOrder)
{
    colour.colorload();
    colour.slider3(2).setValue(-30);
    const auto writesBefore = device.writes.size();
    colour.okClick();
    EXPECT_EQ(overlayHides, 1);
    EXPECT_EQ(profile.writes, (std::vector<std::string>{"eye/liangdu=0", "eye/duibidu=100", "eye/rgbr=0",
                                                        "eye/rgbg=0", "eye/rgbb=-30"}));
    EXPECT_EQ(device.writes.size(), writesBefore);
    EXPECT_EQ(colour.exitValues(), (std::array<std::string, 5>{"0", "100", "0", "0", "-30"}));
}

}  // namespace
}  // namespace vistrel
