#include "options/FieldBalloon.h"

#include <commctrl.h>

#include <string>

#include "base/Trace.h"

namespace vistrel::win32 {
namespace {

TTTOOLINFOW toolFor(HWND field, wchar_t* text)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
    tool.hwnd = GetParent(field);
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = text;
    return tool;
}

}  // namespace

void FieldBalloon::show(HWND field, std::wstring_view title, std::wstring_view text)
{
    hide();
    // Owned by the page's top-level window, so it stays above it and goes with it.
    m_tip.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(field, GA_ROOT), nullptr,
                                GetModuleHandleW(nullptr), nullptr));
    if (!m_tip) {
        traceLastError(L"CreateWindowExW tooltip");
        return;
    }
    std::wstring message(text);
    const std::wstring heading(title);
    TTTOOLINFOW tool = toolFor(field, message.data());
    SendMessageW(m_tip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tip.get(), TTM_SETTITLEW, TTI_ERROR, reinterpret_cast<LPARAM>(heading.c_str()));
    // The stem points at the middle of the field's lower edge.
    RECT r{};
    GetWindowRect(field, &r);
    SendMessageW(m_tip.get(), TTM_TRACKPOSITION, 0, MAKELPARAM((r.left + r.right) / 2, r.bottom - 2));
    SendMessageW(m_tip.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    m_field = field;
}

void FieldBalloon::hide()
{
    m_tip.reset();
    m_field = nullptr;
}

}  // namespace vistrel::win32
