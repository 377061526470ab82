#pragma once
#include "app/OptionsModel.h"
#include "options/OptionsPage.h"

namespace vistrel::win32 {

// Page "夜间护眼": when the screen turns warm (off, fixed times, sunset to sunrise), the times and the
// place, and the night temperature, previewed on the screen while the thumb moves.
class NightPage final : public OptionsPage {
public:
    NightPage(OptionsModel& model, const Texts& texts);

    void refresh() override;

private:
    void init() override;
    void textsChanged() override;
    void command(int id, int code) override;
    void notify(const NMHDR& header) override;
    void scroll(HWND control) override;
    bool apply() override;
    void cancel() override { m_model.endPreview(); }
    void closed() override { m_model.endPreview(); }

    void show();
    void showTime(int id, OptionsModel::Field field);
    void showKelvin();
    void enableForMode();
    void edited();

    OptionsModel& m_model;
};

}  // namespace vistrel::win32
