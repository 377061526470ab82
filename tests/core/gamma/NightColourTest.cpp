#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"
#include "fakes/RecordingGammaDevice.h"
#include "gamma/GammaMath.h"
#include "gamma/NightColour.h"

namespace vistrel {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::FakeClock;
using testing::RecordingGammaDevice;
using State = NightDisplayStatus::State;

const std::string kFirst = RecordingGammaDevice::kFirst;
const std::string kSecond = "\\\\.\\DISPLAY2";
// Times mode with the defaults: night 3600 K from 21:00 (fading in over 30 minutes) to 07:00.
const std::string kTimes = "[night]\nmode=times\n";

// A calibrated display: its channels apart, as a profile loader leaves them.
GammaRamp calibrated()
{
    GammaRamp ramp;
    for (std::size_t c = 0; c < GammaRamp::kChannels; ++c)
        for (std::size_t i = 0; i < GammaRamp::kEntries; ++i)
            ramp.at(c, i) = static_cast<std::uint16_t>((250 - 7 * static_cast<int>(c)) * i + 40 * c);
    return ramp;
}

GammaRamp warmed(const GammaRamp& designed, int kelvin) { return withWhitePoint(designed, whitePointFactors(kelvin)); }

class NightColourTest : public ::testing::Test {
protected:
    void start(const std::string& settings, bool colourOn = false)
    {
        profile.setText(settings);
        colour.colorload();
        if (colourOn) colour.safeSwitch1Click(true);
        desktop.messages.clear();  // no backup file: said once, not tested here
        night.load();
    }
    int kelvin(const std::string& display = kFirst) const
    {
        for (const DisplayRamps& d : colour.displays())
            if (d.name == display) return d.nightKelvin;
        return -1;
    }
    // Ticks once a second until `until`; the temperature after each tick that moved it.
    std::vector<std::pair<std::int64_t, int>> tickUntil(LocalTime until)
    {
        std::vector<std::pair<std::int64_t, int>> moves;
        for (std::int64_t tick = 0; clock.now().seconds < until.seconds; ++tick) {
            clock.advanceSeconds(1);
            const int before = kelvin();
            night.tick();
            if (kelvin() != before) moves.emplace_back(tick, kelvin());
        }
        return moves;
    }

    FakeClock clock{FakeClock::at(23, 0)};
    testing::InMemoryProfile profile;
    RecordingGammaDevice device;
    testing::FakeDesktopServices desktop;
    Texts texts;
    ColourAdjustment colour{profile, device, desktop, texts};
    NightColour night{profile, clock, desktop, colour};
};

TEST_F(NightColourTest, TheLayerGoesOnEachDisplaysDesignedRampAndIsHeldAndTakenOffWithIt)
{
    device.display().ramp = calibrated();
    start(kTimes + "[eye]\nliangdu=-20\n", true);
    const GammaRamp designed = brightnessRamp(calibrated(), -20);
    // Each channel scaled from its own table: the calibration's differences stay.
    EXPECT_EQ(device.writesTo().back(), warmed(designed, 3600));

    device.display().ramp = GammaRamp::identity();  // Windows resets it
    colour.holdRamps();
    EXPECT_EQ(device.display().ramp, warmed(designed, 3600));

    // Switched off, the designed ramp is the saved one; the layer stays on it and is held.
    colour.safeSwitch1Click(false);
    EXPECT_EQ(device.writesTo().back(), warmed(calibrated(), 3600));
    device.display().ramp = GammaRamp::identity();
    colour.holdRamps();
    EXPECT_EQ(device.display().ramp, warmed(calibrated(), 3600));

    night.takeOff();
    EXPECT_EQ(device.display().ramp, calibrated());
    const std::size_t writes = device.writes.size();
    clock.advanceMinutes(10);
    night.tick();
    EXPECT_EQ(device.writes.size(), writes) << "nothing follows the day after exit";
}

TEST_F(NightColourTest, ModeOffAndFullDayWriteNothingAndFullNightCostsNoDisplayAccess)
{
    for (const std::string& settings : {std::string(), std::string("[night]\nmode=off\n")}) {
        device.writes.clear();
        start(settings + "[eye]\nliangdu=-20\n", true);
        const auto writes = device.writes.size();
        tickUntil(FakeClock::at(23, 0, 0, 2));
        EXPECT_EQ(device.writes.size(), writes) << settings;
    }

    clock.set(FakeClock::at(12, 0, 0, 3));
    device.writes.clear();
    NightSettings s = night.settings();
    s.mode = NightSettings::Mode::Times;
    night.apply(s);
    EXPECT_THAT(device.writes, IsEmpty()) << "day at 6500 K is the designed ramp itself";

    clock.set(FakeClock::at(23, 0, 0, 3));
    night.tick();
    EXPECT_EQ(kelvin(), 3600);
    const int reads = device.reads;
    const std::size_t writes = device.writes.size();
    tickUntil(FakeClock::at(6, 59, 59, 4));
    EXPECT_EQ(device.reads, reads);
    EXPECT_EQ(device.writes.size(), writes);
    // A clock set forward past the morning is seen at the next tick.
    clock.set(FakeClock::at(9, 0, 0, 4));
    night.tick();
    EXPECT_EQ(device.display().ramp, colour.displays().at(0).designed());
}

TEST_F(NightColourTest, AFadeMovesInWholeStepsAtMostEveryFiveSecondsAndEndsOnTime)
{
    start(kTimes);
    // Half an hour is slow enough for steps of 20 K; five minutes is not, and still ends on time.
    for (const int fade : {30, 5}) {
        NightSettings s = night.settings();
        s.fadeMinutes = fade;
        clock.set(FakeClock::at(20, 59, 50, fade));
        night.apply(s);
        device.writes.clear();
        const auto moves = tickUntil(FakeClock::at(21, fade + 1, 0, fade));
        ASSERT_FALSE(moves.empty());
        EXPECT_EQ(moves.back().second, 3600) << fade;
        EXPECT_LE(moves.back().first, 10 + fade * 60 + NightColour::kChangeWriteTicks) << fade;
        int shown = 6500;
        std::int64_t last = -NightColour::kChangeWriteTicks;
        for (const auto& [tick, kelvin] : moves) {
            EXPECT_GE(tick - last, NightColour::kChangeWriteTicks) << fade << " " << tick;
            EXPECT_EQ((shown - kelvin) % NightColour::kChangeStepKelvin, 0) << fade << " " << tick;
            if (fade == 30) {
                EXPECT_EQ(shown - kelvin, NightColour::kChangeStepKelvin) << tick;
            }
            shown = kelvin;
            last = tick;
        }
        EXPECT_EQ(device.writes.size(), moves.size());
    }
}

TEST_F(NightColourTest, ARefusedNightRampIsRaisedToTheFirstTemperatureTakenAndToldOnce)
{
    // Without the wide gamma range: no blue table may end below 40000.
    const auto refuses = [](const GammaRamp& ramp) { return ramp.at(2, 255) < 40000; };
    device.display().refuses = refuses;
    start(kTimes);
    const int limit = kelvin();
    EXPECT_EQ(limit % DisplaySet::kNightLimitStep, 0);
    EXPECT_FALSE(refuses(warmed(GammaRamp::identity(), limit)));
    EXPECT_TRUE(refuses(warmed(GammaRamp::identity(), limit - DisplaySet::kNightLimitStep)));
    EXPECT_EQ(device.writes.size(), static_cast<std::size_t>((limit - 3600) / DisplaySet::kNightLimitStep + 1));
    EXPECT_THAT(night.displayStatus(), ElementsAre(NightDisplayStatus{kFirst, State::Limited, limit}));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_THAT(desktop.messages[0].text, HasSubstr(kFirst + " 的伽马范围，夜间护眼在这台显示器上最低只能用到 " +
                                                    std::to_string(limit) + " K。"));
    EXPECT_THAT(desktop.messages[0].text, HasSubstr("GdiICMGammaRange"));

    // Never below the limit again this run, and never a refused ramp written again.
    device.writes.clear();
    night.preview(1900);
    night.endPreview();
    tickUntil(FakeClock::at(1, 0, 0, 2));
    EXPECT_THAT(device.writes, IsEmpty());
    EXPECT_EQ(desktop.messages.size(), 1u);
    device.display().ramp = GammaRamp::identity();
    colour.holdRamps();
    EXPECT_THAT(device.writesTo(), ElementsAre(warmed(GammaRamp::identity(), limit)));
}

TEST_F(NightColourTest, ADisplayInHdrIsSkippedTracedAndListed)
{
    device.add(kSecond).hdr = true;
    start(kTimes);
    EXPECT_EQ(kelvin(kFirst), 3600);
    EXPECT_THAT(device.writesTo(kSecond), IsEmpty());
    EXPECT_THAT(desktop.traces, ElementsAre(HasSubstr(kSecond)));
    EXPECT_THAT(night.displayStatus(), ElementsAre(NightDisplayStatus{kFirst, State::Normal, 6500},
                                                   NightDisplayStatus{kSecond, State::Hdr, 6500}));

    // Turned to SDR, it takes the layer with the display event.
    device.display(kSecond).hdr = false;
    colour.displaysChanged();
    night.displaysChanged();
    EXPECT_THAT(device.writesTo(kSecond), ElementsAre(warmed(GammaRamp::identity(), 3600)));
}

TEST_F(NightColourTest, APauseFadesOutAndBackAfterAnHourAndIsNotSaved)
{
    start(kTimes);
    profile.calls.clear();
    night.pauseForAnHour();
    tickUntil(FakeClock::at(23, 1, 1));
    EXPECT_EQ(kelvin(), 6500);
    EXPECT_TRUE(night.paused());
    EXPECT_EQ(night.pauseEnd(), FakeClock::at(0, 0, 0, 2));
    tickUntil(FakeClock::at(0, 1, 1, 2));
    EXPECT_EQ(kelvin(), 3600);
    EXPECT_FALSE(night.paused());
    EXPECT_THAT(profile.calls, Each(HasSubstr("read")));
}

TEST_F(NightColourTest, SettingsAndThePreviewTakeEffectAtOnce)
{
    start(kTimes);
    night.preview(2500);
    EXPECT_EQ(kelvin(), 2500);
    night.endPreview();
    EXPECT_EQ(kelvin(), 3600);

    NightSettings s = night.settings();
    s.nightK = 3000;
    EXPECT_TRUE(night.apply(s));
    EXPECT_EQ(kelvin(), 3000);
    EXPECT_EQ(NightSettings::read(profile), s);
}

}  // namespace
}  // namespace vistrel
