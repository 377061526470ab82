#pragma once
#include "app/OptionsModel.h"
#include "options/OptionsPage.h"

namespace vistrel::win32 {

// Page "常规": start with Windows, the same state the tray menu's check item shows, and the language.
class GeneralPage final : public OptionsPage {
public:
    GeneralPage(OptionsModel& model, const Texts& texts);

    void refresh() override;

private:
    void init() override;
    void command(int id, int code) override;
    bool apply() override;
    void show();

    OptionsModel& m_model;
};

}  // namespace vistrel::win32
