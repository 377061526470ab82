#pragma once
#include "app/OptionsModel.h"
#include "options/OptionsPage.h"

namespace vistrel::win32 {

// Page "常规": start with Windows, the same state the tray menu's check item shows.
class GeneralPage final : public OptionsPage {
public:
    explicit GeneralPage(OptionsModel& model);

    void refresh() override;

private:
    void init() override { refresh(); }
    void command(int id, int code) override;
    bool apply() override;
    void show();

    OptionsModel& m_model;
};

}  // namespace vistrel::win32
