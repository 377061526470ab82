#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "controls/ImageButton.h"
#include "text/Texts.h"

namespace vistrel::win32 {

// The Back and OK images that every settings panel of the overlay carries at the same places
// (`Image8`/`Image7` on the colour panel, `setno`/`setok` on the rest panel).
class PanelButtons {
public:
    void create(HWND panel, const Texts& texts, std::function<void()> back, std::function<void()> ok);
    // Takes the tooltips again, after a change of language.
    void retext(const Texts& texts);
    // Places both inside the panel at a density, with pictures of its art scale.
    void place(int dpi);

private:
    std::unique_ptr<ImageButton> m_back;
    std::unique_ptr<ImageButton> m_ok;
};

}  // namespace vistrel::win32
