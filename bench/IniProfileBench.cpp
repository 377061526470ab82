// Cost of reading the settings file. The program reads four keys when its main window loads, each
// from the file afresh; even a settings file bloated to tens of megabytes must not make start-up
// wait noticeably, and the usual small file must cost next to nothing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "settings/IniDocument.h"
#include "settings/IniProfile.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kHugeBytes = 50u << 20;

// Unrelated sections first and the program's own at the very end: the worst place for a lookup.
std::string settingsText(std::size_t fillerBytes)
{
    std::string text;
    text.reserve(fillerBytes + 256);
    for (int section = 0; text.size() < fillerBytes; ++section) {
        text += "[other" + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 50; ++key) text += "key" + std::to_string(key) + "=some value of moderate length\r\n";
    }
    text += "[dsxx]\r\nmei=45\r\nxiuxi=5\r\npdrun=1\r\n[eye]\r\npdrun=0\r\nliangdu=-20\r\n";
    return text;
}

// A settings file in its own temporary folder, removed afterwards.
class SettingsFile {
public:
    explicit SettingsFile(const std::string& text)
    {
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("vistrel-bench-" + std::to_string(random()));
        fs::create_directories(m_folder);
        std::ofstream(path(), std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    ~SettingsFile()
    {
        std::error_code error;
        fs::remove_all(m_folder, error);
    }
    fs::path path() const { return m_folder / "config.ini"; }

private:
    fs::path m_folder;
};

void startUpReads(benchmark::State& state)
{
    const SettingsFile file(settingsText(static_cast<std::size_t>(state.range(0))));
    const vistrel::IniProfile profile(file.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(profile.read("dsxx", "mei", "mei"));
        benchmark::DoNotOptimize(profile.read("dsxx", "xiuxi", "xiuxi"));
        benchmark::DoNotOptimize(profile.read("dsxx", "pdrun", "pdrun"));
        benchmark::DoNotOptimize(profile.read("eye", "pdrun", "pdrun"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 4 * state.range(0));
}
BENCHMARK(startUpReads)->Arg(200)->Arg(kHugeBytes)->Unit(benchmark::kMillisecond);

// The lookup alone, without the file system.
void lookupInMemory(benchmark::State& state)
{
    const vistrel::IniDocument document(settingsText(kHugeBytes));
    for (auto _ : state) benchmark::DoNotOptimize(document.read("eye", "liangdu"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(kHugeBytes));
}
BENCHMARK(lookupInMemory)->Unit(benchmark::kMillisecond);

void writeOneKey(benchmark::State& state)
{
    const SettingsFile file(settingsText(200));
    vistrel::IniProfile profile(file.path());
    int value = 0;
    for (auto _ : state) benchmark::DoNotOptimize(profile.write("eye", "liangdu", std::to_string(++value % 200 - 100)));
}
BENCHMARK(writeOneKey)->Unit(benchmark::kMicrosecond);

}  // namespace
