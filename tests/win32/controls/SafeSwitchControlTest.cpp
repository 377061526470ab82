#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "controls/SafeSwitchControl.h"
#include "win32/controls/HostWindow.h"

namespace vistrel::win32 {
namespace {

using testing::HostWindow;
using testing::windowSize;

TEST(SafeSwitchControl, KeepsToTheSkinSizeWhateverResizesIt)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    SafeSwitchControl control(host.get(), 10, 20, 7);
    ASSERT_TRUE(control.hwnd());
    EXPECT_EQ(GetDlgCtrlID(control.hwnd()), 7);
    EXPECT_EQ(windowSize(control.hwnd()).cx, 78);
    EXPECT_EQ(windowSize(control.hwnd()).cy, 23);

    SetWindowPos(control.hwnd(), nullptr, 0, 0, 300, 5, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(windowSize(control.hwnd()).cx, 78);
    EXPECT_EQ(windowSize(control.hwnd()).cy, 23);

    control.model().setSkin(1);
    EXPECT_EQ(windowSize(control.hwnd()).cx, 74);
    EXPECT_EQ(windowSize(control.hwnd()).cy, 24);
    control.model().setSkin(-1);
    EXPECT_EQ(windowSize(control.hwnd()).cx, 36);
    EXPECT_EQ(windowSize(control.hwnd()).cy, 16);

    // Moving still works; only the size is fixed.
    SetWindowPos(control.hwnd(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT r{};
    GetWindowRect(control.hwnd(), &r);
    MapWindowPoints(HWND_DESKTOP, host.get(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 50);
}

TEST(SafeSwitchControl, IsATabStopThatSpaceTogglesThroughItsClick)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    SafeSwitchControl control(host.get(), 0, 0, 1);
    std::vector<bool> clicks;
    control.model().onClick = [&](bool value) { clicks.push_back(value); };
    EXPECT_TRUE(GetWindowLongW(control.hwnd(), GWL_STYLE) & WS_TABSTOP);
    SendMessageW(control.hwnd(), WM_KEYDOWN, VK_SPACE, 1);
    SendMessageW(control.hwnd(), WM_KEYDOWN, VK_SPACE, 1 | (1 << 30));  // held: toggles once
    SendMessageW(control.hwnd(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(clicks, std::vector<bool>{false});
}

TEST(SafeSwitchControl, PollsOnlyWhileTheCursorCanBeOverIt)
{
    HostWindow host;  // 300 x 200 at the screen's top-left corner
    if (!host.get() || !SetCursorPos(600, 500)) GTEST_SKIP() << "no window or cursor here";
    SafeSwitchControl control(host.get(), 0, 0, 1);
    EXPECT_FALSE(control.polling());  // the first poll found the cursor outside the host

    SetCursorPos(5, 5);
    SendMessageW(control.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(control.polling());
    EXPECT_TRUE(control.model().hover());  // seen at once, not a poll later

    SetCursorPos(600, 500);
    SendMessageW(control.hwnd(), WM_TIMER, 1, 0);  // the next poll
    EXPECT_FALSE(control.model().hover());
    EXPECT_FALSE(control.polling());
}

TEST(SafeSwitchControl, MouseMessagesReachTheModelAndPollingCanPause)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    SafeSwitchControl control(host.get(), 0, 0, 1);
    control.wakePolling();
    control.pausePolling();
    EXPECT_FALSE(control.polling());

    SendMessageW(control.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(control.model().cell(), SafeSwitch::kOnNormal);
    SendMessageW(control.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(control.model().cell(), SafeSwitch::kOnPressed);
    EXPECT_EQ(GetCapture(), control.hwnd());
    SendMessageW(control.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_NE(GetCapture(), control.hwnd());
}

TEST(SafeSwitchControl, ParentDestroyedFirstLeavesTheControlHarmless)
{
    auto host = std::make_unique<HostWindow>();
    if (!host->get()) GTEST_SKIP() << "no window can be created here";
    SafeSwitchControl control(host->get(), 0, 0, 1);
    host.reset();
    EXPECT_EQ(control.hwnd(), nullptr);
    control.model().setValue(false);  // paints into no window
    control.wakePolling();
    EXPECT_FALSE(control.polling());
}

TEST(SafeSwitchControl, HostModelIsShownAndOutlivesTheControl)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    SafeSwitch model;
    model.setSkin(1);
    int clicks = 0;
    model.onClick = [&](bool) { ++clicks; };
    {
        SafeSwitchControl control(host.get(), model, 0, 0, 1);
        EXPECT_EQ(&control.model(), &model);
        EXPECT_EQ(windowSize(control.hwnd()).cx, 74);  // created at the model's skin
        model.setSkin(0);
        EXPECT_EQ(windowSize(control.hwnd()).cx, 78);
    }
    model.setValue(false);  // no control left to paint
    model.setSkin(2);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vistrel::win32
