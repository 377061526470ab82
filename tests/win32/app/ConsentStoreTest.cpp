#include "app/ConsentStore.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace vistrel::testing {
namespace {

using win32::ConsentStore;

// A store of the test's own under HKEY_CURRENT_USER, planted as Windows writes the real one.
class ConsentStoreTest : public ::testing::Test {
protected:
    static constexpr wchar_t kRoot[] = L"Software\\Vistrel.Tests\\ConsentStore";

    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot); }

    void plant(const std::wstring& app, ULONGLONG start, ULONGLONG stop)
    {
        const std::wstring key = std::wstring(kRoot) + L"\\" + app;
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"LastUsedTimeStart", REG_QWORD, &start, sizeof start),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"LastUsedTimeStop", REG_QWORD, &stop, sizeof stop),
                  ERROR_SUCCESS);
    }

    ConsentStore store{kRoot};
};

TEST_F(ConsentStoreTest, AnAppThatStartedAndHasNotStoppedUsesTheDevice)
{
    EXPECT_EQ(store.deviceInUse(), std::nullopt) << "no store at all";

    struct Case {
        const wchar_t* app;
        ULONGLONG start, stop;
        bool inUse;
    };
    const Case cases[] = {
        {L"webcam\\Microsoft.WindowsCamera_8wekyb3d8bbwe", 133500000000000000ull, 0, true},
        {L"microphone\\NonPackaged\\C:#Program Files#Zoom#bin#Zoom.exe", 133500000000000000ull, 0, true},
        {L"webcam\\NonPackaged\\C:#Tools#recorder.exe", 133500000000000000ull, 133500000100000000ull, false},
        {L"microphone\\Microsoft.SkypeApp_kzf8qxf38zg5c", 0, 0, false},  // allowed, never used
        // Only application keys count, not a key below one.
        {L"webcam\\Microsoft.WindowsCamera_8wekyb3d8bbwe\\Inner", 133500000000000000ull, 0, false},
    };
    for (const Case& c : cases) {
        SetUp();
        plant(c.app, c.start, c.stop);
        EXPECT_EQ(store.deviceInUse(), c.inUse) << c.app;
    }
}

}  // namespace
}  // namespace vistrel::testing
