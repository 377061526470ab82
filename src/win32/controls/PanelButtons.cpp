#include "controls/PanelButtons.h"

#include "base/ArtScale.h"
#include "app/MainFormLayout.h"
#include "base/Gdi.h"
#include "base/Text.h"
#include "text/MainWindowTexts.h"
#include "res/resource.h"

namespace vistrel::win32 {
namespace {

enum ControlId { kBackId = 401, kOkId };

}  // namespace

void PanelButtons::create(HWND panel, const Texts& texts, std::function<void()> back, std::function<void()> ok)
{
    m_back = std::make_unique<ImageButton>(panel, RECT{}, IDB_BACK, widen(texts(MainWindowText::BackTip)), kBackId);
    m_ok = std::make_unique<ImageButton>(panel, RECT{}, IDB_OK, widen(texts(MainWindowText::OkTip)), kOkId);
    // The keyboard reaches OK before Back.
    SetWindowPos(m_back->hwnd(), m_ok->hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_back->onClick = std::move(back);
    m_ok->onClick = std::move(ok);
}

void PanelButtons::retext(const Texts& texts)
{
    m_back->setTooltip(widen(texts(MainWindowText::BackTip)));
    m_ok->setTooltip(widen(texts(MainWindowText::OkTip)));
}

void PanelButtons::place(int dpi)
{
    const int art = artScaleForDpi(dpi);
    m_back->place(toRect(toPixels(layout::kPanelBack, dpi)), art);
    m_ok->place(toRect(toPixels(layout::kPanelOk, dpi)), art);
}

}  // namespace vistrel::win32
