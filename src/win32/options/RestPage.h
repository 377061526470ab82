#pragma once
#include "app/RestOptionsModel.h"
#include "options/OptionsPage.h"

namespace vistrel::win32 {

// Page "休息": the notice before a rest, what holds a rest back, eye breaks and working hours. The
// check items the tray menu shares with it show here as they are whenever the page is shown.
class RestPage final : public OptionsPage {
public:
    RestPage(RestOptionsModel& model, const Texts& texts);

    void refresh() override;

private:
    void init() override;
    void command(int id, int code) override;
    void notify(const NMHDR& header) override;
    bool apply() override;
    void clearHistory();

    void show();
    void enableInUse();
    // Takes every control's value into the model after the user changed one.
    void edited();

    RestOptionsModel& m_model;
    bool m_showing = false;  // the controls echo what show() puts in them: no edit of the user's
};

}  // namespace vistrel::win32
