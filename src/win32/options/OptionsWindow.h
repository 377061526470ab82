#pragma once
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>

#include "app/OptionsModel.h"
#include "app/RestOptionsModel.h"

namespace vistrel::win32 {

// The Options window "Vistrel 选项": a standard property sheet, modeless, so the tray and the
// reminder go on while it is open. One copy at a time; its values are read afresh each time it opens.
// It speaks the run's language and takes its texts again when that changes (languageChangedMessage);
// the sheet's own OK, Cancel and Apply are Windows' and stay in the system's language.
class OptionsWindow {
public:
    enum class Page { General, Rest, Night };  // in the order of their tabs

    struct Options {
        Profile& profile;
        DesktopServices& desktop;
        RestReminder& rest;
        const Texts& texts;  // the run's, for as long as the window lives
        HistoryRecorder* history = nullptr;  // the run's history; none when it records none
        NightHooks night;
        std::function<void(Language)> setLanguage;  // saves the choice and announces it
        HWND owner = nullptr;  // none: a window of its own on the taskbar
        HICON icon = nullptr;  // the caption's, owned by the caller for the whole run
    };

    explicit OptionsWindow(Options options);
    ~OptionsWindow();
    OptionsWindow(const OptionsWindow&) = delete;
    OptionsWindow& operator=(const OptionsWindow&) = delete;

    // Opens the window on that page, or brings the open one forward and turns to it.
    void show(Page page);
    // Closes it as Cancel does: nothing more is applied, a preview ends. Before the exit sequence,
    // so that a preview ending cannot put a night colour back after it.
    void close();
    HWND hwnd() const;

    // For the message loop, before a message is dispatched: the open window's keyboard (Tab, arrows,
    // mnemonics, Enter, Esc). True when it took the message. The window goes once OK or Cancel has run.
    bool translate(MSG& message);

private:
    struct Open;
    static LRESULT CALLBACK sheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self) noexcept;
    bool create(Page page);
    void refresh();
    void retext();

    Options m_options;
    std::unique_ptr<Open> m_open;
    decltype(&::DefSubclassProc) m_defSubclass = nullptr;  // comctl32's, for the sheet's subclass
};

}  // namespace vistrel::win32
