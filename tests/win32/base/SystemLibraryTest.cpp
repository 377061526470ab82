#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/ProgramFolder.h"
#include "base/SystemLibrary.h"

namespace vistrel::win32 {
namespace {

TEST(SystemLibrary, LooksUpTypedFunctionsAndSaysWhatIsMissing)
{
    const SystemLibrary user32(L"user32.dll");
    ASSERT_TRUE(user32);
    const auto getSystemMetrics = user32.function<decltype(&::GetSystemMetrics)>("GetSystemMetrics");
    ASSERT_NE(getSystemMetrics, nullptr);
    EXPECT_EQ(getSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CXSCREEN));

    EXPECT_EQ(user32.function<decltype(&::GetSystemMetrics)>("NoSuchFunction"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
}

TEST(SystemLibrary, NeverTakesADllFromTheProgramsFolder)
{
    // Not a DLL at all: found, it would fail to load as a bad image rather than as a missing module.
    const std::wstring planted = programFolder() + L"\\vistrel-planted.dll";
    std::ofstream(std::filesystem::path(planted), std::ios::binary) << "not a DLL";
    const HMODULE byDefaultSearch = LoadLibraryW(L"vistrel-planted.dll");
    const DWORD defaultError = GetLastError();
    const SystemLibrary library(L"vistrel-planted.dll");
    const DWORD error = GetLastError();
    DeleteFileW(planted.c_str());

    ASSERT_EQ(byDefaultSearch, nullptr);
    ASSERT_NE(defaultError, static_cast<DWORD>(ERROR_MOD_NOT_FOUND)) << "the planted file was not found at all";
    EXPECT_FALSE(library);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(library.function<decltype(&::GetSystemMetrics)>("GetSystemMetrics"), nullptr);
}

}  // namespace
}  // namespace vistrel::win32
