#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/ProgramFolder.h"
#include "base/SystemLibrary.h"

namespace vistrel::win32 {
namespace {

TEST(SystemLibrary, LoadsFromSystem32OnlyAndSaysWhatIsMissing)
{
    // Not a DLL at all: found, it would fail to load as a bad image rather than as a missing module.
    const std::wstring planted = programFolder() + L"\\vistrel-planted.dll";
    std::ofstream(std::filesystem::path(planted), std::ios::binary) << "not a DLL";
    const HMODULE byDefaultSearch = LoadLibraryW(L"vistrel-planted.dll");
    const DWORD defaultError = GetLastError();
    const SystemLibrary planted32(L"vistrel-planted.dll");
    const DWORD error = GetLastError();
    DeleteFileW(planted.c_str());

    ASSERT_EQ(byDefaultSearch, nullptr);
    ASSERT_NE(defaultError, static_cast<DWORD>(ERROR_MOD_NOT_FOUND)) << "the planted file was not found at all";
    EXPECT_FALSE(planted32);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_MOD_NOT_FOUND));

    const SystemLibrary user32(L"user32.dll");
    ASSERT_TRUE(user32);
    EXPECT_NE(user32.function<decltype(&::GetSystemMetrics)>("GetSystemMetrics"), nullptr);
    EXPECT_EQ(user32.function<decltype(&::GetSystemMetrics)>("NoSuchFunction"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
}

}  // namespace
}  // namespace vistrel::win32
