#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "controls/ImageButton.h"
#include "controls/ProgButtonControl.h"
#include "controls/SafeSwitchControl.h"
#include "res/resource.h"
#include "win32/controls/HostWindow.h"
#include "win32/controls/ScreenReader.h"

namespace vistrel::win32 {
namespace {

using testing::HostWindow;
using testing::number;
using testing::ScreenReader;
using testing::self;
using testing::text;

void runPostedMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST(AccessibleControls, ASwitchIsACheckButtonNamedByItsHostThatTogglesLikeAClick)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    ScreenReader reader;
    SafeSwitchControl control(host.get(), 0, 0, 1);
    control.setAccessibleText(L"\u5C4F\u5E55\u4EAE\u5EA6", L"toggle");
    int clicks = 0;
    control.model().onClick = [&](bool) { ++clicks; };
    IAccessible* a = reader.object(control.hwnd());
    ASSERT_TRUE(a) << "no accessible object (oleacc missing?)";

    EXPECT_EQ(text(a, &IAccessible::get_accName), L"\u5C4F\u5E55\u4EAE\u5EA6");
    EXPECT_EQ(text(a, &IAccessible::get_accDefaultAction), L"toggle");
    EXPECT_EQ(number(a, &IAccessible::get_accRole), ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(number(a, &IAccessible::get_accState) & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE),
              STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE);

    EXPECT_EQ(a->accDoDefaultAction(self()), S_OK);
    runPostedMessages();
    EXPECT_FALSE(control.model().value());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(number(a, &IAccessible::get_accState) & STATE_SYSTEM_CHECKED, 0);

    // A disabled switch says so and ignores the action, as it ignores a click.
    control.model().setEnable(false);
    EXPECT_NE(number(a, &IAccessible::get_accState) & STATE_SYSTEM_UNAVAILABLE, 0);
    a->accDoDefaultAction(self());
    runPostedMessages();
    EXPECT_EQ(clicks, 1);
    a->Release();
}

TEST(AccessibleControls, ButtonsAndTheProgressBarSayWhatTheyAre)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    ScreenReader reader;
    ImageButton image(host.get(), RECT{0, 0, 16, 16}, IDB_EXIT, L"\u9000\u51FA", 2);
    int clicks = 0;
    image.onClick = [&] { ++clicks; };
    IAccessible* a = reader.object(image.hwnd());
    ASSERT_TRUE(a);
    EXPECT_EQ(text(a, &IAccessible::get_accName), L"\u9000\u51FA");  // the tooltip
    EXPECT_EQ(number(a, &IAccessible::get_accRole), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(a->accDoDefaultAction(self()), S_OK);
    runPostedMessages();
    EXPECT_EQ(clicks, 1);
    a->Release();

    ProgButtonControl bar(host.get(), RECT{0, 20, 200, 40}, 3);
    bar.model().setMin(100);
    bar.model().setMax(300);
    bar.model().setValue(150);
    a = reader.object(bar.hwnd());
    ASSERT_TRUE(a);
    EXPECT_EQ(number(a, &IAccessible::get_accRole), ROLE_SYSTEM_PROGRESSBAR);
    EXPECT_EQ(text(a, &IAccessible::get_accValue), L"25%");
    EXPECT_EQ(a->accDoDefaultAction(self()), DISP_E_MEMBERNOTFOUND);  // a bar does nothing
    bar.model().setStyle(1);
    EXPECT_EQ(number(a, &IAccessible::get_accRole), ROLE_SYSTEM_PUSHBUTTON);
    a->Release();
}

TEST(AccessibleControls, AnObjectOutlivingItsControlAnswersThatItIsGone)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    ScreenReader reader;
    auto control = std::make_unique<SafeSwitchControl>(host.get(), 0, 0, 1);
    IAccessible* a = reader.object(control->hwnd());
    ASSERT_TRUE(a);
    control.reset();

    BSTR name = nullptr;
    EXPECT_EQ(a->get_accName(self(), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    VARIANT role{};
    EXPECT_EQ(a->get_accRole(self(), &role), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(a->accDoDefaultAction(self()), CO_E_OBJNOTCONNECTED);
    long count = 0;
    EXPECT_EQ(a->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(a->Release(), 0u);
}

}  // namespace
}  // namespace vistrel::win32
