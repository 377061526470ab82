#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include <cstring>
#include <vector>

#include "app/SystemEventWindow.h"
#include "app/Win32Presence.h"
#include "fakes/FakeDesktopServices.h"

namespace vistrel::win32 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

// The window with a core that asks for a message box on every event, as the gamma refusal and the
// settings warning may.
class SystemEventWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!m_window.create()) GTEST_SKIP() << "no window can be created here";
    }
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageW(m_window.hwnd(), message, wParam, lParam);
    }
    static void pumpMessages()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }

    testing::FakeDesktopServices m_fake;
    DeferringDesktopServices m_desktop{m_fake};
    Win32Presence m_presence;
    std::vector<SystemEvent> m_events;
    SystemEventWindow m_window{m_desktop, {[this](SystemEvent event) {
                                               m_events.push_back(event);
                                               m_desktop.messageBox("box", std::nullopt, MessageIcon::Warning);
                                           },
                                           &m_presence}};
};

TEST_F(SystemEventWindowTest, MessagesBecomeEventsAndTheLockReachesPresence)
{
    EXPECT_TRUE(m_window.sessionRegistered());
    send(WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 800));
    send(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED);
    send(WM_DEVICECHANGE, DBT_DEVICEARRIVAL);  // not one the program follows
    EXPECT_EQ(send(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC), TRUE);
    // The console display off (0), then on (1).
    alignas(POWERBROADCAST_SETTING) BYTE setting[sizeof(POWERBROADCAST_SETTING) + sizeof(DWORD)] = {};
    auto* display = reinterpret_cast<POWERBROADCAST_SETTING*>(setting);
    display->PowerSetting = kConsoleDisplayState;
    display->DataLength = sizeof(DWORD);
    for (const DWORD state : {0ul, 1ul}) {
        std::memcpy(display->Data, &state, sizeof state);
        send(WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(display));
    }
    send(WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK);
    EXPECT_TRUE(m_presence.locked());
    send(WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK);
    EXPECT_FALSE(m_presence.locked());
    send(WM_SETTINGCHANGE);
    send(WM_ENDSESSION, FALSE);  // the logoff was cancelled
    send(WM_ENDSESSION, TRUE);
    EXPECT_THAT(m_events, ElementsAre(SystemEvent::DisplayChange, SystemEvent::DeviceChange, SystemEvent::Resume,
                                      SystemEvent::ConsoleDisplayOn, SystemEvent::Lock, SystemEvent::Unlock, SystemEvent::SettingChange,
                                      SystemEvent::EndSession));
}

TEST_F(SystemEventWindowTest, ABoxAskedForInABroadcastOpensOnlyAfterTheAnswerAndNeverAtTheEndOfTheSession)
{
    send(WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 800));
    send(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND);
    EXPECT_THAT(m_fake.messages, IsEmpty()) << "the senders got their answers without waiting on a box";
    pumpMessages();
    EXPECT_THAT(m_fake.messages, SizeIs(2));

    // From the query on, boxes are traced: a box would stop the logoff.
    send(WM_QUERYENDSESSION);
    send(WM_SETTINGCHANGE);
    send(WM_ENDSESSION, TRUE);
    pumpMessages();
    EXPECT_THAT(m_fake.messages, SizeIs(2));
    EXPECT_THAT(m_fake.traces, SizeIs(2));
}

}  // namespace
}  // namespace vistrel::win32
