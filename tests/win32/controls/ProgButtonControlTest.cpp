#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/UniqueHandle.h"
#include "controls/GradientFiller.h"
#include "controls/ProgButtonControl.h"

namespace vistrel::win32 {
namespace {

constexpr UINT kPostedToHost = WM_APP + 1;

// A hidden top-level window hosting one control; it records messages posted to it and answers
// WM_GETFONT with its own font, as a dialog would.
class Host {
public:
    Host()
    {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Host::proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ProgButtonTestHost";
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof existing;
        if (!GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing)) RegisterClassExW(&wc);
        m_font.reset(CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
        m_window.reset(CreateWindowExW(0, wc.lpszClassName, L"host", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 400, 200,
                                       nullptr, nullptr, wc.hInstance, this));
    }
    HWND get() const { return m_window.get(); }
    HFONT font() const { return m_font.get(); }

    std::vector<std::string>* log = nullptr;

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        }
        auto* self = reinterpret_cast<Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == kPostedToHost && self->log) self->log->emplace_back("posted");
        if (self && message == WM_GETFONT) return reinterpret_cast<LRESULT>(self->m_font.get());
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    UniqueFont m_font;
    UniqueWindow m_window;
};

// The control's picture, as WM_PRINTCLIENT paints it, read back pixel by pixel.
class Snapshot {
public:
    Snapshot(HWND control, int width, int height) : m_width(width)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_pixels = static_cast<const DWORD*>(bits);
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        SelectObjectScope select(dc.get(), m_bitmap.get());
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        GdiFlush();
    }
    COLORREF at(int x, int y) const
    {
        const DWORD p = m_pixels[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int m_width;
    UniqueBitmap m_bitmap;
    const DWORD* m_pixels = nullptr;
};

LPARAM at(int x, int y)
{
    return MAKELPARAM(x, y);
}

struct Fixture {
    Host host;
    std::vector<std::string> log;
    std::unique_ptr<ProgButtonControl> control;

    explicit Fixture(RECT bounds = RECT{10, 10, 307, 51})
    {
        host.log = &log;
        control = std::make_unique<ProgButtonControl>(host.get(), bounds, 100);
        ProgButton& m = control->model();
        m.onMouseDown = [this](const ProgButton::MouseArgs& a) { log.push_back("down " + std::to_string(a.button)); };
        m.onMouseUp = [this](const ProgButton::MouseArgs& a) { log.push_back("up " + std::to_string(a.button)); };
        m.onClick = [this] { log.emplace_back("click"); };
        m.onDblClick = [this] { log.emplace_back("dblclick"); };
    }
    HWND hwnd() const { return control->hwnd(); }
};

void drainQueue()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST(ProgButtonControl, PaintsTheFillUpToItsEdgeAndTheOutline)
{
    Fixture f;
    ASSERT_TRUE(f.hwnd());
    f.control->model().setMax(8);
    f.control->model().setValue(3);  // 38 % of 296 columns: the fill ends before column 112
    const Snapshot shot(f.hwnd(), 297, 41);

    // Lower half: the fill runs from C6 (203, 166, 57) down, the face from C2 (226, 215, 182).
    EXPECT_LT(GetBValue(shot.at(60, 22)), 120);
    EXPECT_LT(GetBValue(shot.at(111, 22)), 120);
    EXPECT_GT(GetBValue(shot.at(112, 22)), 160);
    EXPECT_GT(GetBValue(shot.at(250, 22)), 160);
    // Upper half of the face starts at C0 at the top.
    EXPECT_GT(GetBValue(shot.at(250, 1)), 230);
    // The outline, in C8, on the left edge at mid height.
    EXPECT_EQ(shot.at(0, 20), RGB(204, 168, 62));
}

TEST(ProgButtonControl, TheRoundedShapeFollowsTheSize)
{
    Fixture f;
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    UniqueRegion owned(probe);
    ASSERT_NE(GetWindowRgn(f.hwnd(), probe), ERROR);
    EXPECT_FALSE(PtInRegion(probe, 0, 0));  // the corner is cut
    EXPECT_TRUE(PtInRegion(probe, 148, 20));
    EXPECT_TRUE(PtInRegion(probe, 290, 20));

    SetWindowPos(f.hwnd(), nullptr, 0, 0, 100, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_NE(GetWindowRgn(f.hwnd(), probe), ERROR);
    EXPECT_TRUE(PtInRegion(probe, 95, 15));
    EXPECT_FALSE(PtInRegion(probe, 150, 15));
}

TEST(ProgButtonControl, PendingMessagesRunBeforeTheMouseEventButInputWaits)
{
    Fixture f;
    PostMessageW(f.host.get(), kPostedToHost, 0, 0);
    PostMessageW(f.hwnd(), WM_LBUTTONUP, 0, at(5, 5));  // a quick release already queued
    SendMessageW(f.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    EXPECT_EQ(f.log, (std::vector<std::string>{"posted", "down 1"}));
    EXPECT_TRUE(f.control->model().pressed());
    drainQueue();
    EXPECT_EQ(f.log, (std::vector<std::string>{"posted", "down 1", "up 1", "click"}));
    EXPECT_FALSE(f.control->model().pressed());
}

TEST(ProgButtonControl, ClicksOnlyWhenTheLeftButtonIsReleasedOverTheControl)
{
    Fixture f;
    SendMessageW(f.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    SendMessageW(f.hwnd(), WM_LBUTTONUP, 0, at(500, 5));
    SendMessageW(f.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, at(5, 5));
    SendMessageW(f.hwnd(), WM_RBUTTONUP, 0, at(5, 5));
    SendMessageW(f.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    SendMessageW(f.hwnd(), WM_LBUTTONUP, 0, at(5, 5));
    SendMessageW(f.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at(5, 5));
    SendMessageW(f.hwnd(), WM_LBUTTONUP, 0, at(5, 5));
    EXPECT_EQ(f.log, (std::vector<std::string>{"down 1", "up 1", "down 2", "up 2", "down 1", "up 1", "click",
                                               "dblclick", "up 1"}));
}

TEST(ProgButtonControl, EnterAndAccessKeyClickOnlyInKeyboardStyle)
{
    Fixture f;
    f.control->model().setCaption("&Rest");
    for (std::int32_t style : {0, 2}) {
        f.control->model().setStyle(style);
        MSG enter{f.hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        EXPECT_EQ(SendMessageW(f.hwnd(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)), 0);
        SendMessageW(f.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
        SendMessageW(f.hwnd(), WM_SYSCHAR, L'r', 0);
    }
    EXPECT_TRUE(f.log.empty());

    f.control->model().setStyle(1);
    MSG enter{f.hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_EQ(SendMessageW(f.hwnd(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)), DLGC_WANTMESSAGE);
    SendMessageW(f.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(GetFocus(), f.hwnd());
    EXPECT_TRUE(f.control->model().focused());
    EXPECT_TRUE(f.control->pressAccessKey(L'R'));
    EXPECT_EQ(f.log, (std::vector<std::string>{"click", "click"}));
}

TEST(ProgButtonControl, AClickHandlerMayDestroyTheControl)
{
    Fixture f;
    f.control->model().onClick = [&f] { f.control.reset(); };
    SendMessageW(f.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    const HWND window = f.hwnd();
    SendMessageW(window, WM_LBUTTONUP, 0, at(5, 5));
    EXPECT_EQ(f.control, nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST(ProgButtonControl, UsesTheHostFontAndTheCaptionAsWindowText)
{
    Fixture f;
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(f.hwnd(), WM_GETFONT, 0, 0)), f.host.font());
    EXPECT_GT(f.control->getFontWidth(L"50.00%"), f.control->getFontWidth(L"5"));
    EXPECT_GT(f.control->getFontHeight(L"5"), 0);

    f.control->model().setCaption("休息 &Now");
    wchar_t text[32]{};
    GetWindowTextW(f.hwnd(), text, 32);
    EXPECT_EQ(std::wstring(text), L"休息 &Now");
}

TEST(GradientFiller, FillsTopToBottomInOneBand)
{
    const GradientFiller filler;
    EXPECT_TRUE(filler.hasGradients());  // msimg32 is part of every system
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 4, -100, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    SelectObjectScope select(dc.get(), bitmap.get());
    filler.fillVertical(dc.get(), RECT{0, 0, 4, 100}, RGB(0, 0, 0), RGB(0, 0, 255));
    filler.fillVertical(dc.get(), RECT{2, 0, 2, 100}, RGB(255, 0, 0), RGB(255, 0, 0));  // empty: nothing
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    const auto blue = [pixels](int x, int y) { return static_cast<int>(pixels[y * 4 + x] & 0xFF); };
    EXPECT_LT(blue(0, 0), 10);
    EXPECT_GT(blue(0, 99), 245);
    EXPECT_NEAR(blue(3, 50), 128, 6);
    EXPECT_EQ(pixels[50 * 4 + 2] >> 16 & 0xFF, 0u);
}

}  // namespace
}  // namespace vistrel::win32
