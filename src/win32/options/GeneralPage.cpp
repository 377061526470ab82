#include "options/GeneralPage.h"

#include "res/resource.h"

namespace vistrel::win32 {

GeneralPage::GeneralPage(OptionsModel& model) : OptionsPage(IDD_OPTIONS_GENERAL), m_model(model) {}

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
    markChanged(m_model.generalChanged());
}

void GeneralPage::command(int id, int code)
{
    if (code != BN_CLICKED || id != IDC_START_WITH_WINDOWS) return;
    m_model.setGeneral({.startWithWindows = checked(IDC_START_WITH_WINDOWS)});
    markChanged(m_model.generalChanged());
}

bool GeneralPage::apply()
{
    const bool applied = m_model.applyGeneral();
    show();
    return applied;
}

}  // namespace vistrel::win32
