#include <gtest/gtest.h>

#include "fakes/InMemoryProfile.h"
#include "gamma/NightSettings.h"

namespace vistrel {
namespace {

NightSettings readFrom(const std::string& text)
{
    testing::InMemoryProfile profile(text);
    return NightSettings::read(profile);
}

TEST(NightSettings, MissingOrUnusableValuesReadAsTheirDefaults)
{
    EXPECT_EQ(readFrom(""), NightSettings{});
    EXPECT_FALSE(NightSettings::everChosen(testing::InMemoryProfile("")));
    const NightSettings bad = readFrom(
        "[night]\nmode=dusk\nnight_k=1800\nday_k=7000\nstart=25:00\nend=7:00\nfade=121\nlatitude=95\nlongitude=13.4\n");
    EXPECT_EQ(bad, NightSettings{});

    const NightSettings s = readFrom(
        "[night]\nmode= Sun \nnight_k=4000\nday_k=3000\nstart=22:30\nend=06:15\nfade=0\nlatitude=52.52\nlongitude=-13.4\n");
    EXPECT_EQ(s.mode, NightSettings::Mode::Sun);
    EXPECT_EQ(s.nightK, 4000);
    EXPECT_EQ(s.dayK, 4000) << "a day below the night is the night";
    EXPECT_EQ(s.start.text(), "22:30");
    EXPECT_EQ(s.end.text(), "06:15");
    EXPECT_EQ(s.fadeMinutes, 0);
    EXPECT_DOUBLE_EQ(*s.latitude, 52.52);
    EXPECT_DOUBLE_EQ(*s.longitude, -13.4);
}

TEST(NightSettings, WhatIsWrittenReadsBackTheSame)
{
    testing::InMemoryProfile profile("");
    NightSettings s;
    s.mode = NightSettings::Mode::Times;
    s.nightK = 2700;
    s.start = TimeOfDay::fromMinutes(20 * 60 + 5);
    s.latitude = -33.8688;
    s.longitude = 151.2093;
    ASSERT_TRUE(s.write(profile));
    EXPECT_EQ(NightSettings::read(profile), s);
    EXPECT_TRUE(NightSettings::everChosen(profile));
}

TEST(NightSettings, TypedValuesOutsideTheirRangeAreRefused)
{
    EXPECT_EQ(NightSettings::parseKelvin(" 1900 "), 1900);
    EXPECT_FALSE(NightSettings::parseKelvin("6501"));
    for (const char* bad : {"", "1e1", "nan", "inf", "0x10", "90.0001", "--5", "5-"})
        EXPECT_FALSE(NightSettings::parseLatitude(bad)) << bad;
    EXPECT_EQ(NightSettings::parseLatitude("+90"), 90.0);
    EXPECT_EQ(NightSettings::parseLongitude("-180"), -180.0);
}

}  // namespace
}  // namespace vistrel
