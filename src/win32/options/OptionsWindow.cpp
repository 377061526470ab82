#include "options/OptionsWindow.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <array>
#include <string>

#include "base/CommonControls.h"
#include "base/LanguageChange.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "base/UniqueHandle.h"
#include "base/WindowPlacement.h"
#include "options/GeneralPage.h"
#include "options/HomeRegion.h"
#include "options/NightPage.h"
#include "options/RestPage.h"
#include "options/SheetTemplate.h"

namespace vistrel::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// Date-time pickers, the up-downs, the temperature's trackbar, the sheet's tabs and the balloons.
constexpr DWORD kClasses = ICC_DATE_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_TAB_CLASSES;
constexpr WORD kPagePointSize = 9;  // the FONT of the pages in options.rc

int CALLBACK sheetCallback(HWND, UINT message, LPARAM lParam)
{
    if (message == PSCB_PRECREATE) adjustSheetTemplate(reinterpret_cast<void*>(lParam), kPagePointSize);
    return 0;
}

}  // namespace

// What lives while the window is open. The sheet goes first, so its pages see the model to the end.
struct OptionsWindow::Open {
    Open(OptionsModelPorts ports, RestOptionsModelPorts restPorts, const Texts& texts)
        : model(std::move(ports)), restModel(restPorts), general(model, texts), rest(restModel, texts),
          night(model, texts)
    {
    }
    // In the order of Page, which is the order of the tabs.
    std::array<OptionsPage*, 3> pages() { return {&general, &rest, &night}; }

    OptionsModel model;
    RestOptionsModel restModel;
    GeneralPage general;
    RestPage rest;
    NightPage night;
    UniqueWindow sheet;
};

OptionsWindow::OptionsWindow(Options options) : m_options(std::move(options)) {}

OptionsWindow::~OptionsWindow() { close(); }

HWND OptionsWindow::hwnd() const { return m_open ? m_open->sheet.get() : nullptr; }

void OptionsWindow::show(Page page)
{
    if (!m_open && !create(page)) return;
    HWND sheet = m_open->sheet.get();
    PropSheet_SetCurSel(sheet, nullptr, static_cast<int>(page));
    if (IsIconic(sheet)) ShowWindow(sheet, SW_RESTORE);
    SetForegroundWindow(sheet);
}

bool OptionsWindow::create(Page page)
{
    if (!initCommonControls(kClasses)) return false;
    const auto propertySheet = commonControlsFunction<decltype(&::PropertySheetW)>("PropertySheetW");
    const auto setSubclass = commonControlsFunction<decltype(&::SetWindowSubclass)>("SetWindowSubclass");
    if (!propertySheet) return false;

    const Options& o = m_options;
    auto open = std::make_unique<Open>(
        OptionsModelPorts{o.profile, o.desktop, o.texts, o.night, homeRegion(), o.setLanguage},
        RestOptionsModelPorts{o.profile, o.rest, o.texts, o.history}, o.texts);
    std::array<PROPSHEETPAGEW, 3> pages{};
    std::ranges::transform(open->pages(), pages.begin(), [](OptionsPage* p) { return p->sheetPage(); });
    const std::wstring caption = widen(o.texts(OptionsText::Caption));
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags =
        PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOCONTEXTHELP | PSH_USECALLBACK | (o.icon ? PSH_USEHICON : 0);
    header.hwndParent = o.owner;
    header.hInstance = GetModuleHandleW(nullptr);
    header.hIcon = o.icon;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = static_cast<UINT>(page);
    header.ppsp = pages.data();
    header.pfnCallback = &sheetCallback;
    const auto sheet = reinterpret_cast<HWND>(propertySheet(&header));
    if (!sheet || sheet == reinterpret_cast<HWND>(-1)) {
        traceLastError(L"PropertySheetW");
        return false;
    }
    open->sheet.reset(sheet);
    m_open = std::move(open);
    centreAtCursor(sheet);
    ShowWindow(sheet, SW_SHOW);
    // Activated again after the tray menu was used: the general and rest pages show what it changed.
    m_defSubclass = commonControlsFunction<decltype(&::DefSubclassProc)>("DefSubclassProc");
    if (!setSubclass || !m_defSubclass ||
        !setSubclass(sheet, &OptionsWindow::sheetProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        trace(L"the Options window will not refresh on activation nor take another language");
    return true;
}

void OptionsWindow::close() { m_open.reset(); }

bool OptionsWindow::translate(MSG& message)
{
    if (!m_open) return false;
    HWND sheet = m_open->sheet.get();
    const bool taken = IsWindow(sheet) && PropSheet_IsDialogMessage(sheet, &message);
    // OK and Cancel leave the modeless sheet without a page: it is then ours to destroy.
    if (!IsWindow(sheet) || !PropSheet_GetCurrentPageHwnd(sheet)) m_open.reset();
    return taken;
}

void OptionsWindow::refresh()
{
    if (!m_open) return;
    for (OptionsPage* page : m_open->pages()) page->refresh();
}

void OptionsWindow::retext()
{
    if (!m_open) return;
    HWND sheet = m_open->sheet.get();
    PropSheet_SetTitle(sheet, 0, widen(m_options.texts(OptionsText::Caption)).c_str());
    HWND tabs = PropSheet_GetTabControl(sheet);
    const auto pages = m_open->pages();
    for (size_t i = 0; i < pages.size(); ++i) {
        std::wstring title = pages[i]->title();
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = title.data();
        if (!TabCtrl_SetItem(tabs, static_cast<int>(i), &tab)) trace(L"TCM_SETITEM on the Options window's tab");
        pages[i]->retext();
    }
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK OptionsWindow::sheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) noexcept
{
    auto* window = reinterpret_cast<OptionsWindow*>(self);
    try {
        if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) window->refresh();
        if (message == languageChangedMessage() && message != 0) window->retext();
    } catch (...) {
        failFastOnException(L"exception in the Options window's activation or language change");
    }
    return window->m_defSubclass(sheet, message, wParam, lParam);
}

}  // namespace vistrel::win32
