#include <gtest/gtest.h>

#include <windows.h>

#include <wtsapi32.h>

#include <cwchar>

#include "app/WtsApi.h"
#include "win32/controls/HostWindow.h"

namespace vistrel::win32 {
namespace {

TEST(WtsApi, SessionNotificationCallsReachSystem32sWtsapi)
{
    const testing::HostWindow window;
    ASSERT_NE(window.get(), nullptr);
    ASSERT_TRUE(wtsRegisterSessionNotification(window.get(), NOTIFY_FOR_THIS_SESSION)) << GetLastError();

    // The live registration keeps wtsapi32 loaded, System32's own.
    wchar_t path[MAX_PATH]{};
    wchar_t system[MAX_PATH]{};
    ASSERT_NE(GetModuleFileNameW(GetModuleHandleW(L"wtsapi32.dll"), path, MAX_PATH), 0u);
    const UINT systemLength = GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(_wcsnicmp(path, system, systemLength), 0) << path;

    // Wine's unregistering is a stub that fails; what matters is that the call gets through to it.
    SetLastError(ERROR_SUCCESS);
    if (!wtsUnRegisterSessionNotification(window.get())) {
        EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
        EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    }
}

}  // namespace
}  // namespace vistrel::win32
