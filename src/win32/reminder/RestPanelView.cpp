#include "reminder/RestPanelView.h"

#include <string>

#include "app/MainForm.h"
#include "base/Gdi.h"
#include "base/Text.h"
#include "reminder/RestPanelLayout.h"
#include "text/ReminderTexts.h"

namespace vistrel::win32 {
namespace {

enum ControlId { kWorkBox = 201, kRestBox };

constexpr COLORREF kBoxTextColour = RGB(34, 34, 34);
constexpr COLORREF kHintColour = palette::kQuietText;
const FontSpec kSentenceFont{L"Consolas", 12.0, false};
const FontSpec kHintFont{L"Consolas", 9.0, false};
const FontSpec kBoxFont{L"Consolas", 11.0, true};
// The sentence's pieces around the two boxes: "每工作", "分钟，去休息", "分钟".
constexpr ReminderText kPieces[3] = {ReminderText::PanelBeforeWork, ReminderText::PanelBetween,
                                     ReminderText::PanelAfterRest};

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

RestPanelView::RestPanelView(MainForm& form, TextRenderer& text)
    : SettingsPanelView(text, {[this] { m_form.closeOverlay(); }, [this] { m_form.restPanelOk(); }}), m_form(form)
{
}

HWND RestPanelView::createBox(int id, int maxDigits)
{
    // The design shows "1" in both boxes until the settings are loaded.
    HWND box = createControl({.className = L"EDIT",
                              .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_CENTER | ES_AUTOHSCROLL,
                              .exStyle = WS_EX_CLIENTEDGE,
                              .text = L"1",
                              .id = id});
    SendMessageW(box, EM_SETLIMITTEXT, static_cast<WPARAM>(maxDigits), 0);
    return box;
}

void RestPanelView::createControls()
{
    m_boxBrush.reset(CreateSolidBrush(palette::kWhite));
    createLabel([this] { return piece(0); });
    m_work = createBox(kWorkBox, 4);
    createLabel([this] { return piece(1); });
    m_rest = createBox(kRestBox, 3);
}

void RestPanelView::placeControls()
{
    const HFONT boxFont = text().runFont(kBoxFont, false);
    for (HWND box : {m_work, m_rest}) SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(boxFont), FALSE);
    placeBoxes();
}

void RestPanelView::placeBoxes()
{
    WindowDc dc(hwnd());
    m_language = m_form.texts().language();
    const int w1 = text().measure(dc.get(), kSentenceFont, piece(0)).cx;
    const int w2 = text().measure(dc.get(), kSentenceFont, piece(1)).cx;
    const int w3 = text().measure(dc.get(), kSentenceFont, piece(2)).cx;
    RECT client;
    GetClientRect(hwnd(), &client);
    const int box = px(layout::rest::kBoxWidth);
    const int gap = px(layout::rest::kPieceGap);
    const int total = w1 + w2 + w3 + 2 * box + 4 * gap;
    int x = (client.right - total) / 2;
    m_sentenceTop = px(layout::rest::kSentenceTop);
    const int widths[5] = {w1, box, w2, box, w3};
    for (int i = 0; i < 5; ++i) {
        m_pieceX[i] = x;
        x += widths[i] + gap;
    }
    const int boxTop = m_sentenceTop - px(layout::rest::kBoxRaise);
    const int boxHeight = px(layout::rest::kBoxHeight);
    moveWindow(m_work, RECT{m_pieceX[1], boxTop, m_pieceX[1] + box, boxTop + boxHeight});
    moveWindow(m_rest, RECT{m_pieceX[3], boxTop, m_pieceX[3] + box, boxTop + boxHeight});
}

std::wstring RestPanelView::piece(int index) const { return widen(m_form.texts()(kPieces[index])); }

void RestPanelView::syncControls()
{
    m_syncing = true;
    const std::wstring work = widen(m_form.rest().workMinutesText());
    const std::wstring rest = widen(m_form.rest().restMinutesText());
    if (windowText(m_work) != work) SetWindowTextW(m_work, work.c_str());
    if (windowText(m_rest) != rest) SetWindowTextW(m_rest, rest.c_str());
    m_syncing = false;
}

void RestPanelView::paint(HDC dc, const RECT& client)
{
    // Shown again in another language: the boxes move to the new sentence's gaps.
    if (m_language != m_form.texts().language()) placeBoxes();
    TextStyle style{kSentenceFont, palette::kLabelText};
    const int h = text().measure(dc, kSentenceFont, piece(0)).cy;
    const int at[3] = {m_pieceX[0], m_pieceX[2], m_pieceX[4]};
    for (int i = 0; i < 3; ++i) {
        const RECT box{at[i], m_sentenceTop, client.right, m_sentenceTop + h + 4};
        text().draw(dc, style, piece(i), box);
    }
    TextStyle hint{kHintFont, kHintColour, TextStyle::Align::Centre};
    const int hintTop = m_sentenceTop + h + px(layout::rest::kHintGap);
    text().draw(dc, hint, widen(minuteRangesHint(m_form.texts())),
                RECT{0, hintTop, client.right, hintTop + px(layout::rest::kHintHeight)});
}

std::optional<LRESULT> RestPanelView::onControl(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && !m_syncing) {
        const HWND box = reinterpret_cast<HWND>(lParam);
        if (box == m_work) m_form.rest().setWorkMinutesText(narrow(windowText(box)));
        if (box == m_rest) m_form.rest().setRestMinutesText(narrow(windowText(box)));
        return 0;
    }
    if (message == WM_CTLCOLOREDIT) {
        SetBkColor(reinterpret_cast<HDC>(wParam), palette::kWhite);
        SetTextColor(reinterpret_cast<HDC>(wParam), kBoxTextColour);
        return reinterpret_cast<LRESULT>(m_boxBrush.get());
    }
    return std::nullopt;
}

}  // namespace vistrel::win32
