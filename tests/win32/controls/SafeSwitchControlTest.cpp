#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "base/UniqueHandle.h"
#include "controls/BitmapMask.h"
#include "controls/ImageButton.h"
#include "controls/SafeSwitchControl.h"

namespace vistrel::win32 {
namespace {

// A 24-bit bitmap from rows of colours, as the resource loader would give it.
UniqueBitmap makeBitmap(const std::vector<std::vector<COLORREF>>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.front().size());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = rows[y][x];
            pixels[y * width + x] = (DWORD{GetRValue(c)} << 16) | (DWORD{GetGValue(c)} << 8) | GetBValue(c);
        }
    return bitmap;
}

SIZE windowSize(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// A plain top-level window to host the controls; tests skip where no window can be made.
class Host {
public:
    Host()
        : m_window(CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 300, 200, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr))
    {
    }
    HWND get() const { return m_window.get(); }

private:
    UniqueWindow m_window;
};

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(BitmapMask, KeyColouredPixelsAreLeftOut)
{
    const UniqueBitmap bitmap = makeBitmap({{kRed, kBlack, kBlack, kRed},
                                            {kBlack, RGB(254, 0, 0), kBlack, kBlack},
                                            {kRed, kBlack, kRed, kRed}});
    const BitmapMask mask(bitmap.get(), kRed);
    ASSERT_FALSE(mask.empty());
    EXPECT_FALSE(mask.contains(0, 0));
    EXPECT_TRUE(mask.contains(1, 0));
    EXPECT_FALSE(mask.contains(3, 0));
    EXPECT_TRUE(mask.contains(1, 1));  // near red is still opaque
    EXPECT_FALSE(mask.contains(2, 2));
    EXPECT_TRUE(mask.contains(1, 2));
    EXPECT_FALSE(mask.contains(4, 1));  // beyond the bitmap

    // Copies are independent regions the caller owns.
    UniqueRegion copy = mask.copy();
    ASSERT_TRUE(copy);
    EXPECT_TRUE(PtInRegion(copy.get(), 3, 1));
    copy.reset();
    EXPECT_TRUE(mask.contains(3, 1));
}

TEST(BitmapMask, AllKeyGivesAnEmptyShapeAndNoBitmapNoShape)
{
    const UniqueBitmap red = makeBitmap({{kRed, kRed}, {kRed, kRed}});
    const BitmapMask allClear(red.get(), kRed);
    EXPECT_FALSE(allClear.empty());
    EXPECT_FALSE(allClear.contains(0, 0));
    EXPECT_FALSE(allClear.contains(1, 1));

    const BitmapMask none(nullptr, kRed);
    EXPECT_TRUE(none.empty());
    EXPECT_FALSE(none.copy());
    EXPECT_EQ(bitmapSize(nullptr).cx, 0);
}

TEST(SafeSwitchControl, KeepsToTheSkinSizeWhateverResizesIt)
{
    Host host;
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

TEST(SafeSwitchControl, MouseMessagesReachTheModelAndPollingCanPause)
{
    Host host;
    if (!host.get()) GTEST_SKIP() << "no window can be created here";
    SafeSwitchControl control(host.get(), 0, 0, 1);
    EXPECT_TRUE(control.polling());
    control.setPolling(false);
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
    auto host = std::make_unique<Host>();
    if (!host->get()) GTEST_SKIP() << "no window can be created here";
    SafeSwitchControl control(host->get(), 0, 0, 1);
    host.reset();
    EXPECT_EQ(control.hwnd(), nullptr);
    control.model().setValue(false);  // paints into no window
    control.setPolling(true);
    EXPECT_FALSE(control.polling());
}

TEST(SafeSwitchControl, HostModelIsShownAndOutlivesTheControl)
{
    Host host;
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

TEST(ImageButton, ClicksOnlyOnAPressAndReleaseBothInside)
{
    Host host;
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

}  // namespace
}  // namespace vistrel::win32
