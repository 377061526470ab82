// Cost of one slider step (a complete ramp recomputed from the saved ramp), of reading the gamma
// backup file, of the read-back comparison that decides whether a display still holds its ramp, and
// of one step of the night colour (a temperature's white point and one display's ramp with it).
// A step must stay far below a frame so that dragging a thumb never lags; the comparison runs after
// every write and once a minute per display, and should stay well under a microsecond; a night
// step runs at most every five seconds per display, and should take a few microseconds.
#include <benchmark/benchmark.h>

#include <string>

#include "gamma/GammaBackupFile.h"
#include "gamma/GammaMath.h"
#include "gamma/RampReadBack.h"
#include "gamma/WhitePoint.h"

namespace {

using vistrel::GammaRamp;

// A calibrated-looking ramp, so no channel is a copy of another.
GammaRamp calibratedRamp()
{
    GammaRamp ramp = GammaRamp::identity();
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i) {
        ramp.at(0, i) = static_cast<std::uint16_t>(250 * i);
        ramp.at(2, i) = static_cast<std::uint16_t>(240 * i + 300);
    }
    return ramp;
}

// One entry per line, as the file usually comes.
std::string backupText()
{
    std::string text;
    const GammaRamp ramp = calibratedRamp();
    for (std::size_t i = 0; i < GammaRamp::kEntries; ++i) {
        for (std::size_t c = 0; c < GammaRamp::kChannels; ++c) {
            text += std::to_string(static_cast<std::int16_t>(ramp.at(c, i)));
            text += c + 1 < GammaRamp::kChannels ? "," : "\r\n";
        }
    }
    return text;
}

void brightness(benchmark::State& state)
{
    const GammaRamp saved = calibratedRamp();
    int value = -50;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vistrel::brightnessRamp(saved, value));
        value = value == 50 ? -50 : value + 1;
    }
}
BENCHMARK(brightness);

void contrast(benchmark::State& state)
{
    const GammaRamp saved = calibratedRamp();
    int value = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vistrel::contrastRamp(saved, value));
        value = value == 100 ? 1 : value + 1;
    }
}
BENCHMARK(contrast);

void colourGains(benchmark::State& state)
{
    const GammaRamp saved = calibratedRamp();
    int blue = -50;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vistrel::gainRamp(saved, 10, 0, blue));
        blue = blue == 50 ? -50 : blue + 1;
    }
}
BENCHMARK(colourGains);

void backupFileParse(benchmark::State& state)
{
    const std::string text = backupText();
    for (auto _ : state) benchmark::DoNotOptimize(vistrel::GammaBackupFile::parse(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(backupFileParse);

// What an 8-bit display returns for a ramp: every entry off by up to 255, so all 768 are looked at.
void readBack(benchmark::State& state)
{
    const GammaRamp written = vistrel::brightnessRamp(calibratedRamp(), -30);
    GammaRamp read = written;
    for (std::uint16_t& v : read.values) v = static_cast<std::uint16_t>((v >> 8) * 257);
    for (auto _ : state) {
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(vistrel::readsBackAs(read, written));
    }
}
BENCHMARK(readBack);

// What a change writes: the white point of the next temperature, then one display's designed ramp
// with it. The temperature moves each time, as it does during a change, so nothing is cached.
void nightStep(benchmark::State& state)
{
    const GammaRamp designed = vistrel::brightnessRamp(calibratedRamp(), -20);
    int kelvin = 1900;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vistrel::withWhitePoint(designed, vistrel::whitePointFactors(kelvin)));
        kelvin = kelvin >= 6480 ? 1900 : kelvin + 20;
    }
}
BENCHMARK(nightStep);

}  // namespace

BENCHMARK_MAIN();
