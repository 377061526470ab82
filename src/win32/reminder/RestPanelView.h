#pragma once
#include <windows.h>

#include <string>

#include "base/UniqueHandle.h"
#include "controls/SettingsPanelView.h"
#include "text/Language.h"

namespace vistrel {
class MainForm;
}

namespace vistrel::win32 {

// The rest panel `xxset`: the sentence "每工作 … 分钟，去休息 … 分钟" with the two minute boxes in
// its gaps, and its OK and Back images.
class RestPanelView final : public SettingsPanelView {
public:
    // Drawn at the density of `text`, the main window's.
    RestPanelView(MainForm& form, TextRenderer& text);

private:
    void createControls() override;
    void placeControls() override;
    // Puts the boxes in step with the form (after load or after OK tidied them).
    void syncControls() override;
    void paint(HDC dc, const RECT& client) override;
    std::optional<LRESULT> onControl(UINT message, WPARAM wParam, LPARAM lParam) override;
    void placeBoxes();
    HWND createBox(int id, int maxDigits);
    std::wstring piece(int index) const;  // of the sentence, in the language now

    MainForm& m_form;
    HWND m_work = nullptr;  // Text2, owned by the panel window
    HWND m_rest = nullptr;  // Text3
    UniqueBrush m_boxBrush;
    int m_sentenceTop = 0;
    int m_pieceX[5] = {};  // left of "每工作", box, "分钟，去休息", box, "分钟"
    bool m_syncing = false;
    Language m_language = Language::Chinese;  // the boxes were placed for
};

}  // namespace vistrel::win32
