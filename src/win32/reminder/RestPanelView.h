#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "base/Twips.h"
#include "base/Panel.h"
#include "base/TextRenderer.h"
#include "controls/PanelButtons.h"

namespace vistrel {
class MainForm;
}

namespace vistrel::win32 {

// The rest panel `xxset`: the sentence "每工作 … 分钟，去休息 … 分钟" with the two minute boxes in
// its gaps, and its OK and Back images.
class RestPanelView {
public:
    // Drawn at the density of `text`, the main window's.
    RestPanelView(MainForm& form, TextRenderer& text);

    bool create(HWND overlay);
    // Places the panel inside the overlay and its boxes and images inside it, at the text's density.
    void place(RECT boundsPx);
    void show(bool visible);
    // Puts the boxes in step with the form (after load or after OK tidied them).
    void sync();
    HWND hwnd() const { return m_panel.hwnd(); }

private:
    LRESULT onChild(UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc, const RECT& client);
    void placeBoxes();
    HWND createBox(int id, int maxDigits);
    int px(int twips) const { return toPixels(twips, m_text.dpi()); }

    MainForm& m_form;
    TextRenderer& m_text;
    Panel m_panel;
    HWND m_work = nullptr;  // Text2, owned by the panel window
    HWND m_rest = nullptr;  // Text3
    UniqueBrush m_boxBrush;
    PanelButtons m_buttons;
    int m_sentenceTop = 0;
    int m_pieceX[5] = {};  // left of "每工作", box, "分钟，去休息", box, "分钟"
    bool m_syncing = false;
};

}  // namespace vistrel::win32
