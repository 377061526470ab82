#pragma once
#include <functional>
#include <optional>
#include <string>

#include "base/Clock.h"
#include "base/DesktopServices.h"
#include "settings/Profile.h"
#include "app/SystemEvent.h"
#include "app/TrayMenu.h"
#include "controls/SafeSwitch.h"
#include "gamma/ColourAdjustment.h"
#include "gamma/GammaDevice.h"
#include "gamma/NightColour.h"
#include "history/HistoryRecorder.h"
#include "reminder/RestReminder.h"
#include "text/Texts.h"

namespace vistrel {

struct MainFormPorts {
    Profile& profile;
    const Clock& clock;
    GammaDevice& gamma;
    DesktopServices& desktop;
    const Presence* presence = nullptr;  // for the reminder's options; none: they do nothing
    // The rest history's files; none when the settings folder takes no writes, so nothing is
    // recorded this run (the unsaved-settings message already told the user).
    HistoryStorage* history = nullptr;
    // The language of `[extra]`, read by the shell before anything is shown.
    Language language = Language::Chinese;
};

// The main window (`Form1`) without its pixels: the run's state, the two features, the two
// switches, the settings overlay, and the load and exit sequences. The shell draws what this
// holds and forwards the user's events to it.
class MainForm {
public:
    enum class Feature { Colour = 0, Rest = 1 };

    // aboutHost is scheme and host of the about page, e.g. "https://vistrel.example.org".
    MainForm(MainFormPorts ports, std::string aboutHost);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // Runs after anything the shell draws has changed.
    std::function<void()> changed;
    // Runs when a rest is near, with the text the tray icon shows as a notification.
    std::function<void(const std::string& text)> notice;
    // Runs after the user chose another language; every open window takes its texts again.
    std::function<void()> languageChanged;

    // The load sequence: settings read, switches set (their handlers run), first rest scheduled,
    // display ramp captured, stored colours applied when the colour switch was on. Then the
    // options of section `[extra]`, and the night colour of section `[night]`.
    void load();
    // The exit sequence: the night layer taken off each display (the designed adjustment stays),
    // then nine keys written in a fixed order. The shell then removes the tray icon and ends the
    // process.
    void exitSequence();

    // The main window's `Timer1`, once a second: the reminder's tick, the ramps' safety net and
    // the night colour's schedule.
    void timer1Tick();
    // What the system told the shell: ramps held, displays listed again, the reminder caught up
    // after sleep, the countdown screen laid out afresh, the exit sequence at the end of a session.
    void onSystemEvent(SystemEvent event);

    // `Image1`, and the tray menu's "About".
    void aboutClick();
    std::string aboutUrl() const;

    // `edit` element clicked: the overlay opens on that feature's panel alone.
    void openPanel(Feature feature);
    // `Image8` / `setno`: the overlay closes; panels and typed values stay as they are.
    void closeOverlay();
    // `setok`: the rest panel's OK.
    void restPanelOk();
    // `Image7`: the colour panel's OK.
    void colourPanelOk();

    // The catalogue in the run's language, lent to every window.
    const Texts& texts() const { return m_texts; }
    // The Options window's choice: saved in `[extra]` and in force at once.
    void setLanguage(Language language);

    bool overlayVisible() const { return m_overlayVisible; }
    bool panelVisible(Feature feature) const { return m_panelVisible[static_cast<int>(feature)]; }
    bool featureOn(Feature feature) const;  // caption green and settings icon visible

    SafeSwitch& colourSwitch() { return m_colourSwitch; }  // SafeSwitch1
    SafeSwitch& restSwitch() { return m_restSwitch; }      // SafeSwitch2
    RestReminder& rest() { return m_rest; }
    TrayMenu& trayMenu() { return m_trayMenu; }
    ColourAdjustment& colour() { return m_colour; }
    NightColour& night() { return m_night; }
    // The rest history as this run records it; none when it records nothing at all.
    HistoryRecorder* history() { return m_history ? &*m_history : nullptr; }
    const RestReminder& rest() const { return m_rest; }
    const ColourAdjustment& colour() const { return m_colour; }
    const NightColour& night() const { return m_night; }

private:
    void hideOverlay();
    void notifyChanged();

    Profile& m_profile;
    const Clock& m_clock;
    DesktopServices& m_desktop;
    Texts m_texts;  // before the parts that take their texts from it
    std::string m_aboutHost;
    bool m_overlayVisible = false;
    bool m_panelVisible[2] = {false, false};

    std::optional<HistoryRecorder> m_history;
    bool m_exitRecorded = false;
    RestReminder m_rest;
    TrayMenu m_trayMenu;
    ColourAdjustment m_colour;
    NightColour m_night;
    SafeSwitch m_colourSwitch;
    SafeSwitch m_restSwitch;
};

}  // namespace vistrel
