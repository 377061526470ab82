#include "options/OptionsPage.h"

#include "base/Text.h"
#include "base/Trace.h"

namespace vistrel::win32 {
namespace {

// Posted to the page: show the refusal of the field whose id is the WPARAM.
constexpr UINT kShowRefusal = WM_APP + 1;

}  // namespace

PROPSHEETPAGEW OptionsPage::sheetPage()
{
    PROPSHEETPAGEW page{};
    m_title = title();
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE;
    page.hInstance = GetModuleHandleW(nullptr);
    page.pszTemplate = MAKEINTRESOURCEW(m_design.templateId);
    page.pszTitle = m_title.c_str();
    page.pfnDlgProc = &OptionsPage::dialogProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

std::wstring OptionsPage::title() const { return widen(m_texts(m_design.title)); }

void OptionsPage::retext()
{
    if (!m_dialog) return;  // a page not made yet reads the language when it is
    m_balloon.hide();
    showLabels();
    textsChanged();
}

void OptionsPage::showLabels()
{
    // The page's own text is its title too, so that it can be told from the other pages.
    SetWindowTextW(m_dialog, title().c_str());
    for (const auto& [id, label] : m_design.labels) setText(id, m_texts(label));
}

std::string OptionsPage::text(int id) const
{
    HWND control = item(id);
    std::wstring wide(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    wide.resize(static_cast<size_t>(GetWindowTextW(control, wide.data(), static_cast<int>(wide.size()))));
    return narrow(wide);
}

void OptionsPage::setText(int id, std::string_view utf8)
{
    const std::wstring wide = widen(utf8);
    if (text(id) != utf8) SetDlgItemTextW(m_dialog, id, wide.c_str());
}

void OptionsPage::markChanged(bool changed)
{
    HWND sheet = GetParent(m_dialog);
    if (changed)
        PropSheet_Changed(sheet, m_dialog);
    else
        PropSheet_UnChanged(sheet, m_dialog);
}

void OptionsPage::refuseAt(int id, std::string_view message)
{
    m_refusal = widen(message);
    PostMessageW(m_dialog, kShowRefusal, static_cast<WPARAM>(id), 0);
}

INT_PTR CALLBACK OptionsPage::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    auto* page = reinterpret_cast<OptionsPage*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
        page = reinterpret_cast<OptionsPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->m_dialog = dialog;
    }
    if (!page) return FALSE;
    INT_PTR handled = FALSE;
    try {
        handled = page->onMessage(message, wParam, lParam);
    } catch (...) {
        failFastOnException(L"exception in options page message " + std::to_wstring(message));
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        page->m_dialog = nullptr;
    }
    return handled;
}

INT_PTR OptionsPage::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        showLabels();
        init();
        return TRUE;  // the sheet sets the focus
    case WM_COMMAND:
        // Whatever the user does to the field the balloon points at answers it.
        if (m_balloon.shownFor(reinterpret_cast<HWND>(lParam))) m_balloon.hide();
        command(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_HSCROLL:
        scroll(reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case kShowRefusal:
        if (HWND field = item(static_cast<int>(wParam))) {
            SendMessageW(m_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
            m_balloon.show(field, widen(m_texts(OptionsText::Refused)), m_refusal);
        }
        return TRUE;
    case WM_DESTROY:
        m_balloon.hide();
        closed();
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR OptionsPage::onNotify(const NMHDR& header)
{
    switch (header.code) {
    case PSN_SETACTIVE:
        refresh();
        return result(0);
    case PSN_KILLACTIVE:
        m_balloon.hide();
        return result(FALSE);  // a page may always be left: the apply judges the values
    case PSN_APPLY:
        m_balloon.hide();
        return result(apply() ? PSNRET_NOERROR : PSNRET_INVALID);
    case PSN_RESET:
        m_balloon.hide();
        cancel();
        return TRUE;
    default:
        if (header.hwndFrom && GetParent(header.hwndFrom) == m_dialog) notify(header);
        return FALSE;
    }
}

INT_PTR OptionsPage::result(LONG_PTR value)
{
    SetWindowLongPtrW(m_dialog, DWLP_MSGRESULT, value);
    return TRUE;
}

}  // namespace vistrel::win32
