#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/MainForm.h"
#include "base/Twips.h"
#include "base/FontCatalog.h"
#include "base/Gdi.h"
#include "base/Accessible.h"
#include "base/Panel.h"
#include "base/TextRenderer.h"
#include "base/Window.h"
#include "controls/AccessibleArea.h"
#include "controls/ImageButton.h"
#include "controls/SafeSwitchControl.h"
#include "gamma/ColourPanelView.h"
#include "reminder/RestPanelView.h"
#include "reminder/RestReminderWindows.h"
#include "text/MainWindowTexts.h"

namespace vistrel::win32 {

// The borderless main window `Form1`: top strip with title and image buttons, the two feature
// tiles, and the settings overlay with its panels. It draws what the MainForm holds.
class MainWindow final : public Window {
public:
    struct Shell {
        std::function<bool()> trayIconShown;  // whether hiding leaves a way back
        std::function<void()> exit;           // removes the tray icon and ends the process
    };

    // smallIcon: the program's icon at the small size, owned by the caller for the whole run.
    MainWindow(MainForm& form, FontCatalog& fonts, HICON smallIcon, Shell shell);
    ~MainWindow() override;

    // Creates the window hidden and runs the form's load sequence.
    bool create();
    // Shows the window (from the tray or its menu) and brings it to the front.
    void showAndActivate();

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void createChildren();
    // What screen readers call the controls that show no text of their own, in the run's language.
    void nameControlsForScreenReaders();
    // Places and sizes every child, and picks fonts and pictures, for the window's density.
    void placeChildren();
    // The settings panels, made when the overlay first opens.
    void createPanels();
    void placePanels();
    PixelRect windowSize() const;
    void paint(HDC dc, const RECT& client);
    void sync();
    // Tab order: the open overlay's panel, the strip's images, then each tile's switch and settings icon.
    void arrangeTabOrder();
    // Keeps the keyboard with the overlay: the covered tiles out of the tab order while it is open,
    // the focus into the panel a settings icon opened from the keyboard, and back to that icon.
    void followOverlayWithFocus(HWND focusBefore, bool overlayWasVisible);
    // The keyboard's place across a switch to another window, as a dialog keeps it: the child that
    // had the focus when the window was deactivated gets it back on return, when it is still shown
    // and enabled (true then).
    void rememberFocus();
    bool returnFocus();
    // Takes every text again, after a change of language.
    void retext();
    std::wstring text(MainWindowText id) const;
    void minimise();
    // The switches poll the cursor only while it can be over them.
    void wakeSwitchPolling();
    void pauseSwitchPolling();
    RECT pixels(const TwipsRect& r) const { return toRect(toPixels(r, m_dpi)); }

    MainForm& m_form;
    TextRenderer m_text;
    HICON m_smallIcon;
    Shell m_shell;
    int m_dpi = kDefaultDpi;  // of the monitor the window is on

    UniqueBitmap m_colourPicture;  // Image3
    UniqueBitmap m_restPicture;    // Picture1's background
    std::unique_ptr<ImageButton> m_about;     // Image1
    std::unique_ptr<ImageButton> m_minimise;  // Image10
    std::unique_ptr<ImageButton> m_exit;      // Image2
    std::unique_ptr<ImageButton> m_colourSettings;  // edit(0)
    std::unique_ptr<ImageButton> m_restSettings;    // edit(1)
    std::unique_ptr<SafeSwitchControl> m_colourSwitch;  // SafeSwitch1
    std::unique_ptr<SafeSwitchControl> m_restSwitch;    // SafeSwitch2
    std::unique_ptr<AccessibleArea> m_nextRest;  // Picture1 with its texts, for screen readers
    std::string m_announcedNextRest;             // Label5 as screen readers were last told
    std::unique_ptr<Panel> m_overlay;  // ppset
    std::unique_ptr<ColourPanelView> m_colourPanel;  // eyeset; with xxset, null until first opened
    std::unique_ptr<RestPanelView> m_restPanel;      // xxset
    std::unique_ptr<RestReminderWindows> m_restWindows;  // Form2, Form3 and the display-off timer
    HWND m_focusReturn = nullptr;  // the settings icon the keyboard opened the overlay from
    HWND m_focusOnLeaving = nullptr;  // the child the keyboard was on when the window was deactivated
    Accessible m_accessible;  // the window's own: named by its title
};

}  // namespace vistrel::win32
