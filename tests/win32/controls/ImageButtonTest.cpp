#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <iterator>
#include <string>

#include "controls/ImageButton.h"
#include "win32/controls/HostWindow.h"

namespace vistrel::win32 {
namespace {

using testing::HostWindow;

TEST(ImageButton, ClicksOnlyOnAPressAndReleaseBothInside)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    ImageButton button(host.get(), RECT{5, 5, 25, 25}, 0, L"关于", 3);
    ASSERT_TRUE(button.hwnd());
    int clicks = 0;
    button.onClick = [&] { ++clicks; };

    SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));  // no press first
    EXPECT_EQ(clicks, 0);
    SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(clicks, 1);
    SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(40, 4));  // released beyond it
    EXPECT_EQ(clicks, 1);
    SendMessageW(button.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
    SendMessageW(button.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(clicks, 1);

    button.show(false);
    EXPECT_FALSE(button.visible());
}

TEST(ImageButton, IsATabStopThatEnterAndSpacePressOncePerKeystroke)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    ImageButton button(host.get(), RECT{5, 5, 25, 25}, 0, L"", 3);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    EXPECT_TRUE(GetWindowLongW(button.hwnd(), GWL_STYLE) & WS_TABSTOP);
    MSG enter{button.hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(SendMessageW(button.hwnd(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
                DLGC_WANTMESSAGE)
        << "Enter is the button's, not the window's default";

    for (const WPARAM key : {VK_RETURN, VK_SPACE}) {
        SendMessageW(button.hwnd(), WM_KEYDOWN, key, 1);
        SendMessageW(button.hwnd(), WM_KEYDOWN, key, 1 | (1 << 30));  // held: repeats press nothing
    }
    SendMessageW(button.hwnd(), WM_KEYDOWN, 'A', 1);
    EXPECT_EQ(clicks, 2);
}

TEST(ImageButton, MakesItsTooltipOnlyWhenTheCursorFirstComesOverIt)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    ImageButton tipped(host.get(), RECT{5, 5, 25, 25}, 0, L"关于", 3);
    ImageButton plain(host.get(), RECT{30, 5, 50, 25}, 0, L"", 4);
    EXPECT_FALSE(tipped.hasTooltipWindow());
    for (ImageButton* b : {&tipped, &plain}) SendMessageW(b->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(tipped.hasTooltipWindow());
    EXPECT_FALSE(plain.hasTooltipWindow());
}

// The text the host's tooltip windows hold for a button.
std::wstring tooltipText(HWND host, HWND button)
{
    struct Search {
        HWND host;
        HWND button;
        std::wstring text;
    } search{host, button, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM found) {
            auto& s = *reinterpret_cast<Search*>(found);
            if (GetWindow(w, GW_OWNER) != s.host) return TRUE;
            wchar_t text[80] = {};
            TTTOOLINFOW tool{TTTOOLINFOW_V2_SIZE, TTF_IDISHWND, s.host, reinterpret_cast<UINT_PTR>(s.button)};
            tool.lpszText = text;
            SendMessageW(w, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
            s.text += text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

TEST(ImageButton, TakesANewTooltipTextAfterAChangeOfLanguage)
{
    HostWindow host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    ImageButton tipped(host.get(), RECT{5, 5, 25, 25}, 0, L"关于", 3);
    ImageButton plain(host.get(), RECT{30, 5, 50, 25}, 0, L"", 4);
    SendMessageW(tipped.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    tipped.setTooltip(L"About");
    EXPECT_EQ(tooltipText(host.get(), tipped.hwnd()), L"About") << "the tooltip window already made";
    plain.setTooltip(L"Exit");
    SendMessageW(plain.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(tooltipText(host.get(), plain.hwnd()), L"Exit") << "one made later";
}

}  // namespace
}  // namespace vistrel::win32
