#include "reminder/RestPromptWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <array>
#include <utility>

#include "base/Dpi.h"
#include "base/KeyboardNavigation.h"
#include "base/Text.h"
#include "reminder/RestPromptLayout.h"
#include "reminder/RestPromptPlacement.h"
#include "reminder/RestReminder.h"
#include "text/AccessibleTexts.h"
#include "text/ReminderTexts.h"
#include "base/Translucency.h"

namespace vistrel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Vistrel.RestPrompt";
constexpr int kTipproId = 1;
constexpr COLORREF kFrameColour = RGB(224, 224, 224);
constexpr double kSmallestMessagePoints = 9.0;

const std::wstring kYaHei = L"\u5FAE\u8F6F\u96C5\u9ED1";  // not user text: the face 微软雅黑 the design names

using Choice = RestPromptWindow::Choice;

struct Label {
    TwipsRect place;
    std::optional<ReminderText> text;  // none for the message, which the reminder writes
    COLORREF background;
    COLORREF colour;
    FontSpec font;
    TextStyle::Align align;
    std::optional<Choice> choice;
};

// In the order they are stacked, bottom first; a click goes to the topmost label under it.
constexpr size_t kMessageLabel = 1;
const std::array<Label, 5> kLabels{{
    // Label3: "提示:点击以下按钮"
    {layout::prompt::kHint, ReminderText::PromptHint, palette::kWhite, palette::kBlack,
     {L"Consolas", 9.0, true}, TextStyle::Align::Left, std::nullopt},
    // Label1: the message
    {layout::prompt::kMessage, std::nullopt, RGB(192, 255, 255), palette::kLabelText, {L"Consolas", 15.0, true},
     TextStyle::Align::Centre, Choice::TakeRest},
    // Label4: "关闭显示器"
    {layout::prompt::kDisplayOff, ReminderText::PromptDisplayOff, RGB(128, 128, 128), palette::kWhite,
     {kYaHei, 12.0, false, GB2312_CHARSET}, TextStyle::Align::Centre, Choice::SwitchDisplayOff},
    // Label5: "锁屏 + 关闭显示器"
    {layout::prompt::kLockAndDisplayOff, ReminderText::PromptLockDisplayOff, RGB(192, 192, 192),
     palette::kBlack, {kYaHei, 12.0, false, GB2312_CHARSET}, TextStyle::Align::Centre,
     Choice::LockAndSwitchDisplayOff},
    // Label2: "继续工作"
    {layout::prompt::kContinueWork, ReminderText::PromptContinueWork, RGB(255, 255, 192), palette::kBlack,
     {L"Consolas", 12.0, true}, TextStyle::Align::Centre, Choice::ContinueWork},
}};

// A choice's child id in the prompt's accessible object.
LONG elementId(Choice choice) { return static_cast<LONG>(choice) + 1; }

}  // namespace

RestPromptWindow::RestPromptWindow(RestReminder& rest, const TextRenderer& text, int dpi)
    : CornerWindow(rest, text, dpi),
      m_accessible({.facts = [this] { return AccessibleFacts{.name = m_message, .role = ROLE_SYSTEM_ALERT}; },
                    .defaultAction = {},
                    .elements = [this] { return accessibleChoices(); }})
{
}

RestPromptWindow::~RestPromptWindow() { m_tippro.reset(); }

bool RestPromptWindow::open()
{
    registerClass(kClassName, {});
    // A no-activate window leaves the keyboard with whatever the user is working in, even when one
    // of its labels is clicked. As an app window it is still listed by Alt+Tab and on the taskbar,
    // the keyboard user's way to its choices.
    if (!create({.className = kClassName, .style = WS_POPUP | WS_CLIPCHILDREN,
                 .exStyle = WS_EX_APPWINDOW | WS_EX_NOACTIVATE}))
        return false;
    hideFocusCuesUntilKeyboard(hwnd());
    m_focused.reset();
    m_tippro = std::make_unique<ProgButtonControl>(hwnd(), RECT{}, kTipproId);
    m_tippro->model().setStyle(0);  // progress bar
    m_tippro->model().setColor(1);
    placeAt(dpiForWindow(hwnd()));

    makeTranslucent(hwnd(), kAlpha);
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    sync();
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    // The prompt takes no focus, so screen readers hear of it only through this.
    Accessible::notify(hwnd(), EVENT_SYSTEM_ALERT);
    return true;
}

void RestPromptWindow::sync()
{
    if (!hwnd()) return;
    const RestPromptLogic& prompt = m_rest.prompt();
    std::wstring message = widen(prompt.message(m_rest.texts()));
    if (message != m_message) {
        m_message = std::move(message);
        // The caption carries the message too, so the prompt can be told apart from outside.
        SetWindowTextW(hwnd(), m_message.c_str());
        const RECT label = pixels(kLabels[kMessageLabel].place);
        InvalidateRect(hwnd(), &label, FALSE);
        Accessible::notify(hwnd(), EVENT_OBJECT_NAMECHANGE);
        Accessible::notify(hwnd(), EVENT_OBJECT_NAMECHANGE, elementId(Choice::TakeRest));
    }
    if (m_tippro) {
        // Every assignment redraws the bar: assign only what changed. Max first, as Value is
        // limited by it.
        ProgButton& bar = m_tippro->model();
        if (bar.max() != prompt.tipproMax()) bar.setMax(prompt.tipproMax());
        if (bar.value() != prompt.tipproValue()) bar.setValue(prompt.tipproValue());
    }
}

void RestPromptWindow::takeTexts()
{
    m_message.clear();
    sync();
}

void RestPromptWindow::placeAt(int dpi)
{
    setDpi(dpi);
    const PixelRect client = toPixels(layout::prompt::kClient, m_dpi);
    const PixelRect place = RestPromptPlacement::place(
        {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), workAreaBottom(), client.width, client.height});
    moveWindow(hwnd(), toRect(place));
    moveWindow(m_tippro->hwnd(), pixels(layout::prompt::kTippro));
}

std::optional<RestPromptWindow::Choice> RestPromptWindow::choiceAt(POINT client) const
{
    RECT window{};
    GetClientRect(hwnd(), &window);
    if (!PtInRect(&window, client)) return std::nullopt;
    for (auto label = kLabels.rbegin(); label != kLabels.rend(); ++label) {
        const RECT r = pixels(label->place);
        if (PtInRect(&r, client)) return label->choice;  // a label without a choice hides those below
    }
    return std::nullopt;
}

POINT RestPromptWindow::choiceCentre(Choice choice) const
{
    for (const Label& label : kLabels) {
        if (label.choice != choice) continue;
        const PixelRect r = toPixels(label.place, m_dpi);
        return POINT{r.left + r.width / 2, r.top + r.height / 2};
    }
    return POINT{};
}

std::vector<AccessibleElement> RestPromptWindow::accessibleChoices() const
{
    const Texts& texts = m_rest.texts();
    const std::wstring press = widen(texts(AccessibleText::Press));
    const bool keyboardHere = GetFocus() == hwnd();
    RECT client{};
    GetClientRect(hwnd(), &client);
    std::vector<AccessibleElement> choices;
    for (const Label& label : kLabels) {
        if (!label.choice) continue;
        const Choice choice = *label.choice;
        const RECT drawn = pixels(label.place);
        RECT place{};
        IntersectRect(&place, &client, &drawn);  // the message's label reaches past the window's edge
        const long focused = keyboardHere && m_focused == choice ? STATE_SYSTEM_FOCUSED : 0;
        choices.push_back({.facts = {.name = label.text ? widen(texts(*label.text)) : m_message,
                                     .role = ROLE_SYSTEM_PUSHBUTTON,
                                     .state = STATE_SYSTEM_FOCUSABLE | focused,
                                     .defaultAction = press},
                           .place = place,
                           // Taken once the screen reader's call has returned, as a click is.
                           .defaultAction = [this, choice] {
                               return postAccessibleClick(hwnd(), static_cast<WPARAM>(choice));
                           }});
    }
    return choices;
}

void RestPromptWindow::paint(HDC dc, const RECT& client)
{
    fillRect(dc, client, palette::kWhite);
    for (const Label& label : kLabels) {
        const RECT r = pixels(label.place);
        fillRect(dc, r, label.background);
        const std::wstring text = label.text ? widen(m_rest.texts()(*label.text)) : m_message;
        FontSpec font = inLanguage(label.font);
        // A long rest in English outgrows the message's line: drawn smaller rather than cut off. The
        // label reaches past the window's right edge, and its text is centred in the label.
        const int fits = 2 * (std::min(r.right, client.right) - (r.left + r.right) / 2);
        while (!label.text && font.points > kSmallestMessagePoints && m_text.measure(dc, font, text).cx > fits)
            font.points -= 0.5;
        m_text.draw(dc, {font, label.colour, label.align, false, true}, text, r);
    }
    // The frame goes over the labels' backgrounds, so it shows all the way round.
    drawFrame(dc, pixels(layout::prompt::kFrame), kFrameColour);
    if (m_focused && GetFocus() == hwnd() && focusCuesShown(hwnd())) {
        for (const Label& label : kLabels) {
            if (label.choice != m_focused) continue;
            RECT r = pixels(label.place);
            InflateRect(&r, -1, -1);
            SetTextColor(dc, palette::kBlack);
            SetBkColor(dc, palette::kWhite);
            DrawFocusRect(dc, &r);
        }
    }
}

bool RestPromptWindow::keyDown(WPARAM key, LPARAM flags)
{
    constexpr int kChoices = 4;  // in the order of the labels, top to bottom
    switch (key) {
    case VK_TAB: {
        const bool back = GetKeyState(VK_SHIFT) < 0;
        const int from = m_focused ? static_cast<int>(*m_focused) : (back ? 0 : kChoices - 1);
        m_focused = static_cast<Choice>((from + (back ? kChoices - 1 : 1)) % kChoices);
        Accessible::notify(hwnd(), EVENT_OBJECT_FOCUS, elementId(*m_focused));
        showFocusCues(hwnd());
        InvalidateRect(hwnd(), nullptr, FALSE);
        return true;
    }
    case VK_RETURN:
    case VK_SPACE:
        // A held key chooses once; the window may be gone after the choice.
        if (m_focused && !(flags & (1 << 30))) choose(*m_focused);
        return true;
    default:
        return false;  // Esc too: the prompt waits for a choice
    }
}

void RestPromptWindow::choose(Choice choice)
{
    // The reminder closes the prompt, which may retire this window: nothing of it is used after.
    switch (choice) {
    case Choice::TakeRest: m_rest.promptTakeRest(); break;
    case Choice::SwitchDisplayOff: m_rest.promptDisplayOff(false); break;
    case Choice::LockAndSwitchDisplayOff: m_rest.promptDisplayOff(true); break;
    case Choice::ContinueWork: m_rest.promptContinueWork(); break;
    }
}

LRESULT RestPromptWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (changesFocusCue(message)) InvalidateRect(hwnd(), nullptr, FALSE);
    switch (message) {
    case WM_GETOBJECT:
        if (const auto answer = m_accessible.answer(hwnd(), wParam, lParam)) return *answer;
        break;
    case kAccessibleClickMessage:
        // A screen reader's default action; none once the prompt has gone from the screen.
        if (IsWindowVisible(hwnd()) && wParam <= static_cast<WPARAM>(Choice::ContinueWork))
            choose(static_cast<Choice>(wParam));
        return 0;
    case WM_SETFOCUS:
        // Back to the prompt: screen readers say the choice the keyboard is on.
        if (m_focused) Accessible::notify(hwnd(), EVENT_OBJECT_FOCUS, elementId(*m_focused));
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT at{};
            GetCursorPos(&at);
            ScreenToClient(hwnd(), &at);
            SetCursor(LoadCursorW(nullptr, choiceAt(at) ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        m_pressed = choiceAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (m_pressed) SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP: {
        // A label is chosen when the button goes up over the label it went down on.
        const auto pressed = std::exchange(m_pressed, std::nullopt);
        if (GetCapture() == hwnd()) ReleaseCapture();
        if (pressed && choiceAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) == pressed) choose(*pressed);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd()) m_pressed.reset();
        return 0;
    case WM_KEYDOWN:
        if (keyDown(wParam, lParam)) return 0;
        break;
    default:
        break;
    }
    return CornerWindow::onMessage(message, wParam, lParam);
}

}  // namespace vistrel::win32
