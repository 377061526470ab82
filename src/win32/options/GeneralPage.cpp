#include "options/GeneralPage.h"

#include <iterator>

#include "base/Text.h"
#include "res/resource.h"
#include "text/LanguageTexts.h"

namespace vistrel::win32 {
namespace {

using enum OptionsPageText;
constexpr OptionsPage::Label kLabels[] = {{IDC_START_WITH_WINDOWS, StartWithWindows}};

// The language list's entries, in order.
struct LanguageChoice {
    Language language;
    LanguageText text;
};
constexpr LanguageChoice kLanguages[] = {{Language::Chinese, LanguageText::Chinese},
                                         {Language::English, LanguageText::English}};

}  // namespace

GeneralPage::GeneralPage(OptionsModel& model, const Texts& texts)
    : OptionsPage({IDD_OPTIONS_GENERAL, OptionsText::GeneralTab, kLabels}, texts), m_model(model)
{
}

void GeneralPage::init()
{
    // Both read the same in either language, so they are set once.
    setText(IDC_LANGUAGE_LABEL, texts()(LanguageText::Choice));
    for (const auto& [language, text] : kLanguages)
        SendMessageW(item(IDC_LANGUAGE), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(texts()(text)).c_str()));
    refresh();
}

void GeneralPage::refresh()
{
    if (!hwnd()) return;
    m_model.refreshGeneral();
    show();
}

void GeneralPage::show()
{
    const OptionsModel::General& values = m_model.general();
    check(IDC_START_WITH_WINDOWS, values.startWithWindows);
    for (size_t i = 0; i < std::size(kLanguages); ++i)
        if (kLanguages[i].language == values.language) SendMessageW(item(IDC_LANGUAGE), CB_SETCURSEL, i, 0);
    markChanged(m_model.generalChanged());
}

void GeneralPage::command(int id, int code)
{
    const bool edited = (id == IDC_START_WITH_WINDOWS && code == BN_CLICKED) ||
                        (id == IDC_LANGUAGE && code == CBN_SELCHANGE);
    if (!edited) return;
    const auto chosen = static_cast<size_t>(SendMessageW(item(IDC_LANGUAGE), CB_GETCURSEL, 0, 0));
    m_model.setGeneral({.startWithWindows = checked(IDC_START_WITH_WINDOWS),
                        .language = chosen < std::size(kLanguages) ? kLanguages[chosen].language
                                                                   : m_model.general().language});
    markChanged(m_model.generalChanged());
}

bool GeneralPage::apply()
{
    const bool applied = m_model.applyGeneral();
    show();
    return applied;
}

}  // namespace vistrel::win32
