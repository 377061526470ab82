#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"
#include "fakes/RecordingGammaDevice.h"
#include "gamma/ColourAdjustment.h"
#include "gamma/GammaMath.h"
#include "gamma/RampReadBack.h"

namespace vistrel {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::RecordingGammaDevice;

const std::string kFirst = RecordingGammaDevice::kFirst;
const std::string kSecond = "\\\\.\\DISPLAY2";

// A calibrated display: each channel a little off the identity, differently per display.
GammaRamp calibrated(int seed)
{
    GammaRamp ramp;
    for (std::size_t c = 0; c < GammaRamp::kChannels; ++c)
        for (std::size_t i = 0; i < GammaRamp::kEntries; ++i)
            ramp.at(c, i) = static_cast<std::uint16_t>((240 + 5 * seed + 3 * static_cast<int>(c)) * i);
    return ramp;
}

class ColourDisplaysTest : public ::testing::Test {
protected:
    ColourDisplaysTest()
    {
        device.display().ramp = calibrated(0);
        device.add(kSecond, calibrated(1));
    }

    void loadAndSwitchOn()
    {
        colour.colorload();
        colour.safeSwitch1Click(true);
        desktop.messages.clear();  // no backup file beside the program: said once, not tested here
    }
    const DisplayRamps& display(std::size_t index) const { return colour.displays().at(index); }
    std::vector<std::string> displayNames() const
    {
        std::vector<std::string> names;
        for (const DisplayRamps& d : colour.displays()) names.push_back(d.name);
        return names;
    }
    std::vector<std::string> writtenDisplays() const
    {
        std::vector<std::string> names;
        for (const RecordingGammaDevice::Write& w : device.writes) names.push_back(w.display);
        return names;
    }
    void resetByTheSystem(const std::string& name) { device.display(name).ramp = GammaRamp::identity(); }

    testing::InMemoryProfile profile;
    RecordingGammaDevice device;
    testing::FakeDesktopServices desktop;
    Texts texts;
    ColourAdjustment colour{profile, device, desktop, texts};
};

TEST_F(ColourDisplaysTest, EachDisplayIsAdjustedFromItsOwnSavedRampAndTheBackupReplacesThemAll)
{
    colour.colorload();
    EXPECT_THAT(displayNames(), ElementsAre(kFirst, kSecond));
    EXPECT_EQ(display(0).saved, calibrated(0));
    EXPECT_EQ(display(1).saved, calibrated(1));
    EXPECT_THAT(device.writes, IsEmpty());

    // Neutral values give each display back exactly its own ramp.
    colour.safeSwitch1Click(true);
    EXPECT_THAT(device.writesTo(kFirst), ElementsAre(calibrated(0)));
    EXPECT_THAT(device.writesTo(kSecond), ElementsAre(calibrated(1)));

    colour.slider1().setValue(-30);
    colour.slider3(2).setValue(20);
    EXPECT_EQ(device.display(kFirst).ramp, gainRamp(calibrated(0), 0, 0, 20));
    EXPECT_EQ(device.display(kSecond).ramp, gainRamp(calibrated(1), 0, 0, 20));
    EXPECT_EQ(device.writesTo(kSecond).at(1), brightnessRamp(calibrated(1), -30));
    EXPECT_EQ(colour.adjustment(), RampAdjustment::gains(0, 0, 20));

    const GammaRamp backup = brightnessRamp(GammaRamp::identity(), -10);
    std::string text;
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i)
        for (std::size_t c = 0; c < GammaRamp::kChannels; ++c)
            text += std::to_string(static_cast<std::int16_t>(backup.at(c, i))) + (c == 2 ? "\n" : ",");
    desktop.files["monitor.txt"] = {DesktopServices::TextFile::Status::Read, text};
    colour.command3Click();
    EXPECT_EQ(display(0).saved, backup);
    EXPECT_EQ(display(1).saved, backup);
    EXPECT_EQ(device.display(kFirst).ramp, backup);
    EXPECT_EQ(device.display(kSecond).ramp, backup);
}

TEST_F(ColourDisplaysTest, ARefusedRampIsTracedEachTimeAndToldOncePerRun)
{
    EXPECT_TRUE(readsBackAs(GammaRamp{}, brightnessRamp(GammaRamp{}, 0)));
    GammaRamp off = GammaRamp::identity();
    off.at(2, 255) = static_cast<std::uint16_t>(off.at(2, 255) - kReadBackTolerance);
    EXPECT_TRUE(readsBackAs(off, GammaRamp::identity()));
    off.at(2, 255) -= 1;
    EXPECT_FALSE(readsBackAs(off, GammaRamp::identity()));

    // An 8-bit table loses the low byte: that is the display's precision, not a refusal.
    device.display(kFirst).keepsHighByte = true;
    loadAndSwitchOn();
    EXPECT_THAT(desktop.traces, IsEmpty());

    // A display without a ramp to read says nothing about ranges: traced only.
    device.display(kSecond).readable = false;
    device.display(kSecond).acceptsWrites = false;
    colour.slider1().setValue(-39);
    EXPECT_THAT(desktop.messages, IsEmpty());
    ASSERT_EQ(desktop.traces.size(), 1u);
    desktop.traces.clear();

    device.display(kSecond) = {kSecond, calibrated(1)};
    device.display(kSecond).ignoresWrites = true;
    colour.slider1().setValue(-40);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_THAT(desktop.messages[0].text, HasSubstr(kSecond));
    EXPECT_THAT(desktop.messages[0].text, HasSubstr("GdiICMGammaRange"));
    EXPECT_THAT(desktop.messages[0].text,
                HasSubstr("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ICM"));
    EXPECT_EQ(desktop.messages[0].title, "Vistrel");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Warning);
    ASSERT_EQ(desktop.traces.size(), 1u);
    EXPECT_THAT(desktop.traces[0], HasSubstr(kSecond));
    EXPECT_NE(device.display(kFirst).ramp, calibrated(0));  // the other display took it

    colour.slider1().setValue(-45);
    device.display(kSecond).acceptsWrites = false;
    colour.slider1().setValue(-46);
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.traces.size(), 3u);
    for (const std::string& line : desktop.traces) EXPECT_THAT(line, ::testing::Not(HasSubstr(kFirst)));
}

TEST_F(ColourDisplaysTest, HoldRewritesOnlyDisplaysThatNoLongerReadBackAsWritten)
{
    loadAndSwitchOn();
    colour.slider1().setValue(-30);
    device.writes.clear();
    device.reads = 0;
    colour.holdRamps();
    EXPECT_EQ(device.reads, 2);
    EXPECT_THAT(device.writes, IsEmpty());

    resetByTheSystem(kSecond);
    colour.holdRamps();
    EXPECT_THAT(writtenDisplays(), ElementsAre(kSecond));
    EXPECT_EQ(device.display(kSecond).ramp, brightnessRamp(calibrated(1), -30));

    // A display that ignored its ramp would ignore it again; one that could not be read is
    // looked at again.
    device.display(kSecond).ignoresWrites = true;
    colour.slider1().setValue(-35);
    device.display(kSecond).ignoresWrites = false;
    device.display(kFirst).readable = false;
    device.display(kFirst).acceptsWrites = false;
    colour.slider1().setValue(-36);
    device.display(kFirst).readable = true;
    device.display(kFirst).acceptsWrites = true;
    device.writes.clear();
    colour.holdRamps();
    EXPECT_THAT(writtenDisplays(), ElementsAre(kFirst));
    EXPECT_EQ(device.display(kFirst).ramp, brightnessRamp(calibrated(0), -36));

    // With the feature off the ramps are left to whoever sets them.
    colour.safeSwitch1Click(false);
    resetByTheSystem(kFirst);
    device.writes.clear();
    device.reads = 0;
    colour.holdRamps();
    for (int i = 0; i < 2 * ColourAdjustment::kHoldTicks; ++i) colour.timer1Tick();
    EXPECT_EQ(device.reads, 0);
    EXPECT_THAT(device.writes, IsEmpty());
}

// Drivers drop writes while a monitor is off or settling after a mode change: a hold's own
// write, or the one a display just connected gets, that does not take is no refusal by the user's
// display and must neither end the hold nor bring up the gamma-range advice.
TEST_F(ColourDisplaysTest, AWriteDroppedDuringAHoldIsTriedAgainAtTheNextHoldWithoutAdvice)
{
    loadAndSwitchOn();
    colour.slider1().setValue(-30);
    device.writes.clear();
    const std::string third = "\\\\.\\DISPLAY3";
    device.add(third, calibrated(2)).ignoresWrites = true;
    colour.displaysChanged();
    resetByTheSystem(kSecond);
    device.display(kSecond).ignoresWrites = true;
    colour.holdRamps();
    EXPECT_THAT(writtenDisplays(), ElementsAre(third, kSecond, third));
    EXPECT_FALSE(desktop.traces.empty());

    device.display(kSecond).ignoresWrites = false;
    device.display(third).ignoresWrites = false;
    device.writes.clear();
    for (int i = 0; i < ColourAdjustment::kHoldTicks; ++i) colour.timer1Tick();
    EXPECT_THAT(writtenDisplays(), ElementsAre(kSecond, third));
    EXPECT_EQ(device.display(kSecond).ramp, brightnessRamp(calibrated(1), -30));
    EXPECT_EQ(device.display(third).ramp, brightnessRamp(calibrated(2), -30));
    EXPECT_THAT(desktop.messages, IsEmpty());
}

TEST_F(ColourDisplaysTest, TheSafetyNetLooksOnceEverySixtyTicks)
{
    loadAndSwitchOn();
    colour.slider2().setValue(70);
    resetByTheSystem(kFirst);
    device.writes.clear();
    device.reads = 0;
    for (int i = 1; i < ColourAdjustment::kHoldTicks; ++i) colour.timer1Tick();
    EXPECT_EQ(device.reads, 0);
    colour.timer1Tick();
    EXPECT_EQ(device.reads, 2 + 1);  // one look per display, and the read-back of the one write
    EXPECT_THAT(writtenDisplays(), ElementsAre(kFirst));
    EXPECT_EQ(device.display(kFirst).ramp, contrastRamp(calibrated(0), 70));

    for (int i = 0; i < ColourAdjustment::kHoldTicks; ++i) colour.timer1Tick();
    EXPECT_EQ(device.reads, 3 + 2);
    EXPECT_EQ(device.writes.size(), 1u);
}

TEST_F(ColourDisplaysTest, ADisplayConnectedLaterGetsTheCurrentAdjustmentAndARemovedOneIsForgotten)
{
    loadAndSwitchOn();
    colour.slider3(0).setValue(-20);
    const std::string third = "\\\\.\\DISPLAY3";
    device.remove(kSecond);
    device.add(third, calibrated(2));
    device.writes.clear();
    colour.displaysChanged();
    EXPECT_THAT(displayNames(), ElementsAre(kFirst, third));
    EXPECT_EQ(display(1).saved, calibrated(2));
    EXPECT_THAT(writtenDisplays(), ElementsAre(third));
    EXPECT_EQ(device.display(third).ramp, gainRamp(calibrated(2), -20, 0, 0));

    colour.holdRamps();
    EXPECT_EQ(device.writes.size(), 1u);

    // Plugged in again still holding the adjusted ramp: adjusted from its own saved ramp, not twice.
    const GammaRamp adjusted = device.display(third).ramp;
    device.remove(third);
    colour.displaysChanged();
    device.add(third, adjusted);
    colour.displaysChanged();
    EXPECT_EQ(display(1).saved, calibrated(2));
    EXPECT_EQ(device.display(third).ramp, adjusted);

    // With the feature off a new display is only captured, for when the user turns it on.
    colour.safeSwitch1Click(false);
    device.writes.clear();
    device.add(kSecond, calibrated(3));
    colour.displaysChanged();
    EXPECT_THAT(displayNames(), ElementsAre(kFirst, third, kSecond));
    EXPECT_EQ(display(2).saved, calibrated(3));
    EXPECT_THAT(device.writes, IsEmpty());
}

}  // namespace
}  // namespace vistrel
