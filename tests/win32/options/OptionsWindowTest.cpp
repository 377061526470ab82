#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstring>
#include <string>
#include <vector>

#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"
#include "options/OptionsWindow.h"
#include "options/SheetTemplate.h"
#include "res/resource.h"

namespace vistrel::win32 {
namespace {

using Page = OptionsWindow::Page;
constexpr int kApplyButton = 0x3021;

class OptionsWindowTest : public ::testing::Test {
protected:
    void open(Page page)
    {
        window.show(page);
        if (!window.hwnd()) GTEST_SKIP() << "no property sheet can be made here";
    }
    // The message loop's part: the sheet's keys, and its end once OK or Cancel has run.
    void pump()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (window.translate(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    HWND page() const { return PropSheet_GetCurrentPageHwnd(window.hwnd()); }
    bool applyEnabled() const { return IsWindowEnabled(GetDlgItem(window.hwnd(), kApplyButton)); }
    void click(int id) { SendMessageW(GetDlgItem(page(), id), BM_CLICK, 0, 0); }
    bool checked(int id) { return IsDlgButtonChecked(page(), id) == BST_CHECKED; }

    testing::FakeClock clock;
    testing::FakeDesktopServices desktop;
    testing::InMemoryProfile profile;
    RestReminder rest{clock, desktop};
    Texts texts;
    std::vector<std::string> calls;  // what reached the night colour
    OptionsWindow window{{.profile = profile,
                          .desktop = desktop,
                          .rest = rest,
                          .texts = texts,
                          .night = {.apply = nullptr,
                                    .preview = [this](int k) { calls.push_back("preview " + std::to_string(k)); },
                                    .endPreview = [this] { calls.push_back("end"); },
                                    .displayStatus = nullptr,
                                    .sunTimes = nullptr}}};
};

TEST_F(OptionsWindowTest, OneCopyAtATimeTurnedToThePageAskedForAndShowingWhatTheTrayChanged)
{
    open(Page::General);
    HWND sheet = window.hwnd();
    window.show(Page::Night);
    EXPECT_EQ(window.hwnd(), sheet);
    EXPECT_EQ(PropSheet_HwndToIndex(sheet, page()), 2);
    int sheets = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM count) {
            wchar_t title[32] = {};
            GetWindowTextW(w, title, 32);
            if (std::wstring(title) == L"Vistrel \u9009\u9879") ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&sheets));
    EXPECT_EQ(sheets, 1);

    // The tray menu changes an option while the window is open; it shows once the window is active.
    window.show(Page::Rest);
    ASSERT_FALSE(checked(IDC_AWAY_COUNTS_AS_REST));
    rest.setAwayCountsAsRest(true);
    SendMessageW(sheet, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(checked(IDC_AWAY_COUNTS_AS_REST));
    EXPECT_FALSE(applyEnabled());
}

TEST_F(OptionsWindowTest, ApplyIsGreyedUntilSomethingChangesAndOkAppliesAndCloses)
{
    open(Page::Rest);
    EXPECT_FALSE(applyEnabled());
    click(IDC_HOLD_WHEN_BUSY);
    EXPECT_TRUE(applyEnabled());
    click(IDC_HOLD_WHEN_BUSY);
    EXPECT_FALSE(applyEnabled()) << "back to what is in force: nothing to apply";

    click(IDC_AWAY_COUNTS_AS_REST);
    click(IDC_EYE_BREAK);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page(), IDC_EYE_BREAK_SECONDS))) << "the eye break's fields follow its box";
    PropSheet_PressButton(window.hwnd(), PSBTN_OK);
    pump();
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_TRUE(rest.options().awayCountsAsRest);
    EXPECT_EQ(profile.read("extra", "away_counts_as_rest", ""), "1");
    EXPECT_EQ(rest.options().eyeBreakMinutes, ReminderOptions::kEyeBreakMinutesOn);
}

TEST_F(OptionsWindowTest, TheThumbPreviewsAndCancelEndsThePreviewWritingNothing)
{
    open(Page::Night);
    HWND bar = GetDlgItem(page(), IDC_NIGHT_KELVIN);
    SendMessageW(bar, TBM_SETPOS, TRUE, 27);
    SendMessageW(page(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 27), reinterpret_cast<LPARAM>(bar));
    EXPECT_TRUE(applyEnabled());
    PropSheet_PressButton(window.hwnd(), PSBTN_CANCEL);
    pump();
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_EQ(calls, (std::vector<std::string>{"preview 2700", "end"}));
    EXPECT_EQ(profile.text(), "");
}

// A dialog template in either form, with a class and a title given as strings and a font.
std::vector<WORD> sheetTemplate(bool extended)
{
    std::vector<WORD> words;
    const auto dword = [&](DWORD value) {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    };
    const auto text = [&](const wchar_t* s) { words.insert(words.end(), s, s + std::wcslen(s) + 1); };
    const DWORD style = WS_VISIBLE | WS_POPUP | DS_SETFONT;
    if (extended) {
        words = {1, 0xFFFF};
        dword(0);  // help id
        dword(0);  // extended style
        dword(style);
    } else {
        dword(style);
        dword(0);
    }
    words.insert(words.end(), {3, 0, 0, 200, 100});  // items, x, y, cx, cy
    words.push_back(0);                              // no menu
    text(L"Sheet");
    text(L"Title");
    words.push_back(8);
    if (extended) words.insert(words.end(), {FW_NORMAL, 0});
    text(L"MS Shell Dlg");
    return words;
}

TEST(SheetTemplate, EitherFormIsMadeHiddenAndGivenThePointSize)
{
    for (const bool extended : {false, true}) {
        std::vector<WORD> words = sheetTemplate(extended);
        const size_t pointSize = words.size() - std::wcslen(L"MS Shell Dlg") - 1 - (extended ? 3 : 1);
        adjustSheetTemplate(words.data(), 9);
        DWORD style = 0;
        std::memcpy(&style, words.data() + (extended ? 6 : 0), sizeof style);
        EXPECT_EQ(style, static_cast<DWORD>(WS_POPUP | DS_SETFONT)) << extended;
        EXPECT_EQ(words[pointSize], 9) << extended;
        EXPECT_EQ(words.back(), 0) << "the face stays whole";
    }
}

}  // namespace
}  // namespace vistrel::win32
