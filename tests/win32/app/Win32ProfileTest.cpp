#include "app/Win32Profile.h"
#include "app/ProgramFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/settings/ProfileContract.h"

namespace vistrel::testing {
namespace {

namespace fs = std::filesystem;
using win32::Win32Profile;

struct Win32ProfileFactory {
    static std::unique_ptr<Profile> make(const fs::path& file)
    {
        return std::make_unique<Win32Profile>(file.wstring());
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32Profile, ProfileContract, ::testing::Types<Win32ProfileFactory>);

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram)
{
    wchar_t program[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
    const std::wstring programPath = program;
    EXPECT_EQ(win32::programFolder(), programPath.substr(0, programPath.find_last_of(L'\\')));
}

TEST(Win32ProfileEncoding, FolderOutsideTheAnsiCodePageIsReachedByItsShortPath)
{
    TempFolder temp;
    // Letters no single-byte Western code page has.
    const fs::path folder = temp.path() / L"\x8BBE\x7F6E \x03A9";
    fs::create_directory(folder);
    const fs::path file = folder / L"config.ini";
    Win32Profile profile(file.wstring());
    EXPECT_EQ(profile.read("eye", "pdrun", "pdrun"), "pdrun");
    ASSERT_TRUE(profile.write("eye", "liangdu", "-20"));
    EXPECT_EQ(profile.read("eye", "liangdu", "liangdu"), "-20");
    EXPECT_EQ(readBytes(file), "[eye]\r\nliangdu=-20\r\n");
}

TEST(Win32ProfileEncoding, FileHoldsTheAnsiCodePage)
{
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page";
    TempFolder temp;
    const fs::path file = temp.path() / L"config.ini";
    writeBytes(file, "[eye]\r\nname=caf\xE9\r\n");
    Win32Profile profile(file.wstring());
    EXPECT_EQ(profile.read("eye", "name", "name"), "caf\xC3\xA9");
    ASSERT_TRUE(profile.write("eye", "name", "\xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(readBytes(file), "[eye]\r\nname=\xE9t\xE9\r\n");
    // Stored as '?' it would read back as something else: refused, the old value kept.
    EXPECT_FALSE(profile.write("eye", "name", "\xE8\xAE\xBE\xE7\xBD\xAE"));
    EXPECT_EQ(profile.lastWriteFailure(), WriteFailure::Unstorable);
    EXPECT_EQ(readBytes(file), "[eye]\r\nname=\xE9t\xE9\r\n");
}

TEST(Win32ProfileFailure, AFileAnotherProgramHoldsIsInUse)
{
    TempFolder temp;
    const fs::path file = temp.path() / L"config.ini";
    writeBytes(file, "[eye]\r\nliangdu=3\r\n");
    const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Win32Profile profile(file.wstring());
    EXPECT_FALSE(profile.write("eye", "liangdu", "4"));
    EXPECT_EQ(profile.lastWriteFailure(), WriteFailure::InUse);
    CloseHandle(held);
    EXPECT_EQ(readBytes(file), "[eye]\r\nliangdu=3\r\n");
}

}  // namespace
}  // namespace vistrel::testing
