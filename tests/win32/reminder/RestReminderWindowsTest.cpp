#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/FontCatalog.h"
#include "base/Gdi.h"
#include "base/LanguageChange.h"
#include "base/TextRenderer.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "reminder/RestReminder.h"
#include "reminder/RestReminderWindows.h"
#include "win32/controls/HostWindow.h"
#include "win32/controls/ScreenReader.h"

namespace vistrel::win32 {
namespace {

using testing::FakeClock;
using testing::FakeDesktopServices;
using Choice = RestPromptWindow::Choice;

void pumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::wstring windowText(HWND window)
{
    wchar_t text[128] = {};
    GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return text;
}

LONG_PTR exStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

BYTE alphaOf(HWND window)
{
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, &key, &alpha, &flags) || !(flags & LWA_ALPHA)) return 0;
    return alpha;
}

RECT windowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Every window of this thread, hidden ones and children included.
int threadWindowCount()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) {
            int& n = *reinterpret_cast<int*>(param);
            ++n;
            EnumChildWindows(
                window, [](HWND, LPARAM p) { return ++*reinterpret_cast<int*>(p), TRUE; }, param);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

void leftClick(HWND window, POINT at)
{
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// A reminder with 1 work minute and 1 rest minute, switched on at 12:00:30, and the windows that
// follow it, as the main window wires them.
class RestWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testing::HostWindow().get()) GTEST_SKIP() << "no window can be created here";
        m_windows = std::make_unique<RestReminderWindows>(m_rest, m_text, 96);
        if (!m_windows->create()) GTEST_SKIP() << "no window can be created here";
        m_rest.loadSettings("1", "1", "1");
        m_rest.switchClick(true);
    }
    void TearDown() override
    {
        m_windows.reset();
        pumpMessages();
    }

    // Ticks into the due minute, which opens the prompt.
    RestPromptWindow* promptDue()
    {
        m_clock.set(FakeClock::at(12, 1, 0));
        m_rest.tick();
        return m_windows->prompt();
    }
    void choose(Choice choice)
    {
        RestPromptWindow* prompt = m_windows->prompt();
        leftClick(prompt->hwnd(), prompt->choiceCentre(choice));
    }
    void tickSeconds(int count)
    {
        for (int i = 0; i < count; ++i) {
            m_clock.advanceSeconds(1);
            m_rest.tick();
        }
    }

    FakeClock m_clock{FakeClock::at(12, 0, 30)};
    FakeDesktopServices m_desktop;
    Texts m_texts;
    RestReminder m_rest{m_clock, m_desktop, {nullptr, [this] {
                                                 if (m_windows) m_windows->sync();
                                             }, nullptr, nullptr, nullptr}, nullptr, m_texts};
    FontCatalog m_fonts;
    TextRenderer m_text{m_fonts, 96};
    std::unique_ptr<RestReminderWindows> m_windows;
};

TEST_F(RestWindowsTest, PromptOpensAtTheBottomRightOfTheWorkAreaTranslucentTopmostAndWithoutFocus)
{
    EXPECT_EQ(m_windows->prompt(), nullptr) << "no prompt before the due minute";
    const HWND before = GetForegroundWindow();
    RestPromptWindow* prompt = promptDue();
    ASSERT_NE(prompt, nullptr);
    const HWND window = prompt->hwnd();

    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(windowText(window), L"你有 1 分钟休息时间");
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT r = windowRect(window);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN)) << "flush with the screen's right edge";
    EXPECT_EQ(r.bottom, work.bottom) << "on the bottom of the work area";
    EXPECT_EQ(r.right - r.left, 326);
    EXPECT_EQ(r.bottom - r.top, 129);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0) << "borderless";
    const LONG_PTR ex = exStyle(window);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_FALSE(ex & WS_EX_TOOLWINDOW) << "Alt+Tab lists it";
    EXPECT_TRUE(ex & WS_EX_APPWINDOW) << "listed by Alt+Tab and the taskbar although it takes no activation itself";
    EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
    EXPECT_EQ(alphaOf(window), RestPromptWindow::kAlpha);
    EXPECT_EQ(GetForegroundWindow(), before) << "the user's window keeps the focus";
    EXPECT_EQ(SendMessageW(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);

    // The progress bar lies below the visible client area.
    ASSERT_NE(prompt->tippro(), nullptr);
    const RECT bar = windowRect(prompt->tippro()->hwnd());
    EXPECT_GE(bar.top, r.bottom);
    EXPECT_EQ(bar.right - bar.left, 297);

    tickSeconds(30);
    EXPECT_EQ(m_windows->prompt(), prompt) << "the same window for the whole due minute";
}

TEST_F(RestWindowsTest, AnOpenPromptTakesTheLanguageAnnounced)
{
    RestPromptWindow* prompt = promptDue();
    ASSERT_NE(prompt, nullptr);
    m_texts.setLanguage(Language::English);
    announceLanguageChange();
    EXPECT_EQ(windowText(prompt->hwnd()), L"You have 1 minute of rest");
}

// Its place, styles and looks are checked end to end; here, that it follows the reminder.
TEST_F(RestWindowsTest, EyeBreakOpensWithoutFocusCountsDownAndAClickClosesIt)
{
    m_rest.setWorkMinutesText("60");  // the rest far enough away not to skip the break
    m_rest.applyPanel();
    ASSERT_TRUE(m_rest.setEyeBreaks(10, 20));
    const HWND before = GetForegroundWindow();
    tickSeconds(10 * 60 + 1);
    ASSERT_NE(m_windows->eyeBreak(), nullptr);
    const HWND window = m_windows->eyeBreak()->hwnd();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetForegroundWindow(), before) << "the user's window keeps the focus";

    tickSeconds(5);
    EXPECT_EQ(windowText(window), L"看看 6 米外的地方 15 秒");
    leftClick(window, POINT{10, 10});
    EXPECT_EQ(m_windows->eyeBreak(), nullptr);
    EXPECT_FALSE(m_rest.eyeBreak().isOpen());
    pumpMessages();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(RestWindowsTest, LabelsAnswerClicksOnlyWhereTheyActAsButtons)
{
    RestPromptWindow* prompt = promptDue();
    ASSERT_NE(prompt, nullptr);
    for (Choice c : {Choice::TakeRest, Choice::SwitchDisplayOff, Choice::LockAndSwitchDisplayOff, Choice::ContinueWork})
        EXPECT_EQ(prompt->choiceAt(prompt->choiceCentre(c)), c);
    EXPECT_EQ(prompt->choiceAt(POINT{100, 8}), std::nullopt) << "the hint label";
    EXPECT_EQ(prompt->choiceAt(POINT{100, 200}), std::nullopt) << "below the window";
    EXPECT_EQ(prompt->choiceAt(POINT{-1, 40}), std::nullopt);

    // Pressed on one label and released on another: nothing is chosen.
    const POINT from = prompt->choiceCentre(Choice::ContinueWork);
    const POINT to = prompt->choiceCentre(Choice::TakeRest);
    SendMessageW(prompt->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendMessageW(prompt->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_TRUE(m_rest.prompt().isOpen());
    // A release without a press neither.
    SendMessageW(prompt->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_TRUE(m_rest.prompt().isOpen());
    // Nor does closing it from outside.
    SendMessageW(prompt->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(prompt->hwnd()));
}

TEST_F(RestWindowsTest, TabMovesThroughTheChoicesAndEnterOrSpaceTakesTheFocusedOne)
{
    RestPromptWindow* prompt = promptDue();
    ASSERT_NE(prompt, nullptr);
    const HWND window = prompt->hwnd();
    const auto key = [&](WPARAM k, LPARAM flags = 0) { SendMessageW(window, WM_KEYDOWN, k, flags); };
    for (const WPARAM k : {VK_RETURN, VK_SPACE, VK_ESCAPE}) key(k);
    EXPECT_TRUE(m_rest.prompt().isOpen()) << "nothing is taken before a Tab shows which choice has the focus";

    for (int i = 0; i < 5; ++i) key(VK_TAB);  // message, two display-off choices, continue work, message
    key(VK_RETURN, 1 << 30);                  // a held key's repeat
    EXPECT_TRUE(m_rest.prompt().isOpen());
    key(VK_SPACE);
    EXPECT_FALSE(m_rest.prompt().isOpen());
    EXPECT_NE(m_windows->countdownScreen(), nullptr) << "the message's choice, taking the rest";
}

TEST_F(RestWindowsTest, ShiftTabFromNowhereReachesContinueWork)
{
    RestPromptWindow* prompt = promptDue();
    ASSERT_NE(prompt, nullptr);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(prompt->hwnd(), WM_KEYDOWN, VK_TAB, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    SendMessageW(prompt->hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(m_rest.prompt().isOpen());
    EXPECT_EQ(m_windows->countdownScreen(), nullptr);
    EXPECT_EQ(m_rest.text1(), "12:02") << "continue work";
}

TEST_F(RestWindowsTest, ContinueWorkClosesThePromptAndItsWindowGoes)
{
    ASSERT_NE(promptDue(), nullptr);
    const HWND window = m_windows->prompt()->hwnd();
    choose(Choice::ContinueWork);

    EXPECT_EQ(m_windows->prompt(), nullptr);
    EXPECT_FALSE(IsWindowVisible(window)) << "hidden at once";
    pumpMessages();
    EXPECT_FALSE(IsWindow(window)) << "destroyed once the click has been handled";
    EXPECT_EQ(m_rest.text1(), "12:02");
    EXPECT_EQ(m_windows->countdownScreen(), nullptr);
    EXPECT_FALSE(m_windows->displayOffTimerRunning());
}

TEST_F(RestWindowsTest, TakingTheRestOpensTheCountdownScreenOverEveryWholeMonitor)
{
    ASSERT_NE(promptDue(), nullptr);
    choose(Choice::TakeRest);
    EXPECT_EQ(m_windows->prompt(), nullptr);
    CountdownScreenWindow* screen = m_windows->countdownScreen();
    ASSERT_NE(screen, nullptr);
    const HWND window = screen->hwnd();

    const RECT r = windowRect(window);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    const auto& all = m_windows->countdownScreens()->windows();
    EXPECT_EQ(static_cast<int>(all.size()), GetSystemMetrics(SM_CMONITORS));
    for (const auto& each : all) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(each->hwnd(), MONITOR_DEFAULTTONULL), &monitor);
        const RECT placed = windowRect(each->hwnd());
        EXPECT_TRUE(EqualRect(&placed, &monitor.rcMonitor)) << "the whole monitor, taskbar included";
        EXPECT_TRUE(IsWindowVisible(each->hwnd()));
        EXPECT_FALSE(exStyle(each->hwnd()) & WS_EX_TOPMOST);
        EXPECT_EQ(alphaOf(each->hwnd()), CountdownScreenWindow::kAlpha);
        EXPECT_EQ(windowText(each->hwnd()), L"Start");
        EXPECT_EQ(each->layout().copyPanel.has_value(), each.get() == screen) << "the copy panel on the primary";
    }

    // Each tick repaints the countdown panel and the copy panel, never the whole screen.
    UpdateWindow(window);
    tickSeconds(1);
    EXPECT_EQ(windowText(window), L"0:0:59");
    RECT dirty{};
    ASSERT_TRUE(GetUpdateRect(window, &dirty, FALSE));
    const auto& layout = screen->layout();
    RECT allowed{};
    const RECT panel = toRect(layout.panel);
    ASSERT_TRUE(layout.copyPanel.has_value());
    const RECT copy = toRect(*layout.copyPanel);
    UnionRect(&allowed, &panel, &copy);
    RECT outside{};
    UnionRect(&outside, &allowed, &dirty);
    EXPECT_TRUE(EqualRect(&outside, &allowed)) << "repaints only what changed";

    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(window)) << "only the close image ends the rest";

    tickSeconds(58);
    EXPECT_EQ(windowText(window), L"0:0:1");
    tickSeconds(1);
    EXPECT_EQ(m_windows->countdownScreen(), nullptr) << "closes itself at the end of the rest";
    pumpMessages();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(RestWindowsTest, TheCloseImageEndsTheRestEarly)
{
    ASSERT_NE(promptDue(), nullptr);
    choose(Choice::TakeRest);
    tickSeconds(5);
    CountdownScreenWindow* screen = m_windows->countdownScreen();
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(screen->closeImage(), nullptr);
    const HWND window = screen->hwnd();
    const RECT image = windowRect(screen->closeImage()->hwnd());
    EXPECT_EQ((image.left + image.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2) << "centred";

    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) << "Tab reaches the close image";
    leftClick(screen->closeImage()->hwnd(), POINT{30, 30});
    EXPECT_EQ(m_windows->countdownScreen(), nullptr);
    EXPECT_EQ(m_rest.pdtipshow(), 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(RestWindowsTest, DisplayAndDensityChangesLayTheCountdownScreenOutAfresh)
{
    ASSERT_NE(promptDue(), nullptr);
    choose(Choice::TakeRest);
    tickSeconds(2);
    ASSERT_NE(m_windows->countdownScreen(), nullptr);
    const HWND before = m_windows->countdownScreen()->hwnd();

    m_rest.displaysChanged();
    CountdownScreenWindow* screen = m_windows->countdownScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_NE(screen->hwnd(), before);
    EXPECT_FALSE(IsWindowVisible(before));
    EXPECT_TRUE(IsWindowVisible(screen->hwnd()));
    EXPECT_EQ(windowText(screen->hwnd()), L"0:0:58");
    pumpMessages();
    EXPECT_FALSE(IsWindow(before));

    // The monitor's density changes: the same window, its contents at the new density.
    RECT suggested{0, 0, 10, 10};
    const RECT covered = windowRect(screen->hwnd());
    SendMessageW(screen->hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(m_windows->countdownScreen(), screen);
    const RECT still = windowRect(screen->hwnd());
    EXPECT_TRUE(EqualRect(&still, &covered)) << "it keeps covering its monitor";
    EXPECT_EQ(screen->layout().dpi, 144);
    EXPECT_TRUE(screen->layout().copyPanel.has_value());
    const RECT image = windowRect(screen->closeImage()->hwnd());
    EXPECT_EQ(image.right - image.left, 90) << "the close picture at 150 %";

    tickSeconds(58);
    EXPECT_EQ(m_windows->countdownScreen(), nullptr) << "the rest still ends on time";
}

TEST_F(RestWindowsTest, APromptOpenedDuringAnUnseenRestShowsItsProgress)
{
    m_rest.setRestMinutesText("5");
    ASSERT_TRUE(m_rest.applyPanel());
    ASSERT_NE(promptDue(), nullptr);
    choose(Choice::TakeRest);
    tickSeconds(5);
    leftClick(m_windows->countdownScreen()->closeImage()->hwnd(), POINT{30, 30});
    ASSERT_EQ(m_windows->countdownScreen(), nullptr);

    // The rest goes on unseen; the next due minute opens a fresh prompt whose bar holds it.
    for (int i = 0; i < 70 && !m_windows->prompt(); ++i) tickSeconds(1);
    RestPromptWindow* prompt = m_windows->prompt();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->tippro()->model().max(), 300);
    EXPECT_EQ(prompt->tippro()->model().value(), m_rest.countdown().djscount());
    tickSeconds(2);
    EXPECT_EQ(prompt->tippro()->model().value(), m_rest.countdown().djscount());
    EXPECT_EQ(windowText(prompt->hwnd()), L"你有 5 分钟休息时间");
}

TEST_F(RestWindowsTest, DisplayOffTimerOutlivesThePromptAndActsOnItsSecondTick)
{
    ASSERT_NE(promptDue(), nullptr);
    choose(Choice::LockAndSwitchDisplayOff);
    EXPECT_EQ(m_windows->prompt(), nullptr) << "the prompt closes at once";
    pumpMessages();
    ASSERT_TRUE(m_windows->displayOffTimerRunning());

    SendMessageW(m_windows->hwnd(), WM_TIMER, 1, 0);
    EXPECT_TRUE(m_desktop.actions.empty());
    SendMessageW(m_windows->hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(m_desktop.actions, (std::vector<std::string>{"lock", "display off"}));
    EXPECT_FALSE(m_windows->displayOffTimerRunning());

    // The next due minute opens the prompt again; this time the display only goes off.
    m_clock.set(FakeClock::at(12, 2, 0));
    m_rest.tick();
    ASSERT_NE(m_windows->prompt(), nullptr);
    choose(Choice::SwitchDisplayOff);
    ASSERT_TRUE(m_windows->displayOffTimerRunning());
    SendMessageW(m_windows->hwnd(), WM_TIMER, 1, 0);
    SendMessageW(m_windows->hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(m_desktop.actions, (std::vector<std::string>{"lock", "display off", "display off"}));
}

// The events screen readers hear, from this process's windows.
std::vector<std::pair<DWORD, HWND>> g_heard;

TEST_F(RestWindowsTest, ScreenReadersHearThePromptAsAnAlertAndTheCountdownNotEverySecond)
{
    const HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_SYSTEM_ALERT, EVENT_OBJECT_VALUECHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
            if (object == OBJID_CLIENT && (event == EVENT_SYSTEM_ALERT || event == EVENT_OBJECT_VALUECHANGE))
                g_heard.emplace_back(event, window);
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    if (!hook) GTEST_SKIP() << "no event hooks here";
    g_heard.clear();
    testing::ScreenReader reader;

    const HWND prompt = promptDue()->hwnd();
    pumpMessages();
    EXPECT_EQ(g_heard, (std::vector<std::pair<DWORD, HWND>>{{EVENT_SYSTEM_ALERT, prompt}}));
    IAccessible* alert = reader.object(prompt);
    ASSERT_TRUE(alert);
    EXPECT_EQ(testing::number(alert, &IAccessible::get_accRole), ROLE_SYSTEM_ALERT);
    EXPECT_EQ(testing::text(alert, &IAccessible::get_accName), L"你有 1 分钟休息时间");
    alert->Release();

    choose(Choice::TakeRest);
    const HWND screen = m_windows->countdownScreen()->hwnd();
    g_heard.clear();
    tickSeconds(55);  // to 0:0:5
    pumpMessages();
    // The first time, then 30 and 10 seconds before the end.
    EXPECT_EQ(g_heard, (std::vector<std::pair<DWORD, HWND>>(3, {EVENT_OBJECT_VALUECHANGE, screen})));
    IAccessible* countdown = reader.object(screen);
    ASSERT_TRUE(countdown);
    EXPECT_EQ(testing::text(countdown, &IAccessible::get_accValue), L"0:0:5");
    countdown->Release();
    UnhookWinEvent(hook);
}

std::vector<LONG> g_focusedElements;

TEST_F(RestWindowsTest, ScreenReadersFindTheChoicesAsButtonsThatTakeThemAndFollowTheKeyboard)
{
    RestPromptWindow* prompt = promptDue();
    ASSERT_NE(prompt, nullptr);
    const HWND window = prompt->hwnd();
    testing::ScreenReader reader;
    IAccessible* a = reader.object(window);
    ASSERT_TRUE(a);
    long count = 0;
    EXPECT_EQ(a->get_accChildCount(&count), S_OK);
    EXPECT_GE(count, 4) << "the four choices, then the progress bar's window";

    const RECT outside = windowRect(window);
    const wchar_t* names[] = {L"你有 1 分钟休息时间", L"关闭显示器", L"锁屏 + 关闭显示器", L"继续工作"};
    for (long id = 1; id <= 4; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(testing::text(a, &IAccessible::get_accName, id), names[id - 1]);
        EXPECT_EQ(testing::number(a, &IAccessible::get_accRole, id), ROLE_SYSTEM_PUSHBUTTON);
        IDispatch* object = reinterpret_cast<IDispatch*>(1);
        EXPECT_EQ(a->get_accChild(testing::self(id), &object), S_FALSE);
        EXPECT_EQ(object, nullptr);
        long left = 0, top = 0, width = 0, height = 0;
        ASSERT_EQ(a->accLocation(&left, &top, &width, &height, testing::self(id)), S_OK);
        EXPECT_TRUE(width > 0 && height > 0 && left >= outside.left && top >= outside.top &&
                    left + width <= outside.right && top + height <= outside.bottom);
        VARIANT hit{};
        EXPECT_EQ(a->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
        EXPECT_TRUE(hit.vt == VT_I4 && hit.lVal == id);
        VARIANT next{};
        EXPECT_EQ(a->accNavigate(NAVDIR_NEXT, testing::self(id), &next), id < 4 ? S_OK : S_FALSE);
        EXPECT_EQ(next.vt == VT_I4 ? next.lVal : 0, id < 4 ? id + 1 : 0);
    }
    VARIANT last{};
    EXPECT_EQ(a->accNavigate(NAVDIR_LASTCHILD, testing::self(), &last), S_OK);
    EXPECT_EQ(last.lVal, 4);

    // The keyboard moves onto a choice: screen readers hear it, and ask which one has the focus.
    const HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
            if (object == OBJID_CLIENT && child != CHILDID_SELF) g_focusedElements.push_back(child);
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    g_focusedElements.clear();
    SetFocus(window);
    SendMessageW(window, WM_KEYDOWN, VK_TAB, 0);
    SendMessageW(window, WM_KEYDOWN, VK_TAB, 0);
    pumpMessages();
    if (hook) {
        EXPECT_EQ(g_focusedElements, (std::vector<LONG>{1, 2}));
        UnhookWinEvent(hook);
    }
    EXPECT_NE(testing::number(a, &IAccessible::get_accState, 2) & STATE_SYSTEM_FOCUSED, 0);
    EXPECT_EQ(testing::number(a, &IAccessible::get_accState, 1) & STATE_SYSTEM_FOCUSED, 0);
    VARIANT focus{};
    EXPECT_EQ(a->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.lVal, 2);

    // The default action takes the choice once the screen reader's call has returned.
    EXPECT_EQ(a->accDoDefaultAction(testing::self(4)), S_OK);
    EXPECT_TRUE(m_rest.prompt().isOpen());
    pumpMessages();
    EXPECT_FALSE(m_rest.prompt().isOpen());
    EXPECT_EQ(m_rest.text1(), "12:02") << "continue work";
    a->Release();
}

TEST_F(RestWindowsTest, RestsLeaveNoWindowsOrGdiObjectsBehind)
{
    const HANDLE self = GetCurrentProcess();
    auto oneRest = [&] {
        for (int i = 0; i < 180 && !m_windows->prompt(); ++i) tickSeconds(1);
        if (!m_windows->prompt()) return false;
        choose(Choice::TakeRest);
        tickSeconds(3);
        if (!m_windows->countdownScreen()) return false;
        UpdateWindow(m_windows->countdownScreen()->hwnd());
        leftClick(m_windows->countdownScreen()->closeImage()->hwnd(), POINT{30, 30});
        // The countdown runs on unseen; let it end so the next rest starts afresh.
        tickSeconds(60);
        pumpMessages();
        return true;
    };
    // The first rest creates the fonts, which the catalog keeps for the whole run.
    ASSERT_TRUE(oneRest());
    const int windows = threadWindowCount();
    // Systems that do not count GUI objects report 0 here, which then proves nothing.
    const DWORD gdi = GetGuiResources(self, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(self, GR_USEROBJECTS);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(oneRest()) << "rest " << i + 2;
    EXPECT_EQ(threadWindowCount(), windows);
    EXPECT_EQ(GetGuiResources(self, GR_GDIOBJECTS), gdi);
    EXPECT_EQ(GetGuiResources(self, GR_USEROBJECTS), user);
}

}  // namespace
}  // namespace vistrel::win32
