#include "app/MainForm.h"

#include <utility>

#include "settings/Ini.h"
#include "settings/LanguageSetting.h"
#include "settings/SettingsKeys.h"

namespace vistrel {
namespace {

HistoryEvent historyEvent(ReminderEvent event)
{
    switch (event) {
    case ReminderEvent::Prompt: return HistoryEvent::Prompt;
    case ReminderEvent::Rest: return HistoryEvent::Rest;
    case ReminderEvent::RestDone: return HistoryEvent::RestDone;
    case ReminderEvent::RestCut: return HistoryEvent::RestCut;
    case ReminderEvent::Continue: return HistoryEvent::Continue;
    case ReminderEvent::DisplayOff: return HistoryEvent::DisplayOff;
    case ReminderEvent::LockDisplayOff: return HistoryEvent::LockDisplayOff;
    case ReminderEvent::Postpone: return HistoryEvent::Postpone;
    case ReminderEvent::Away: return HistoryEvent::Away;
    case ReminderEvent::Held: return HistoryEvent::Held;
    case ReminderEvent::EyeBreak: return HistoryEvent::EyeBreak;
    case ReminderEvent::EyeBreakSkipped: return HistoryEvent::EyeBreakSkipped;
    case ReminderEvent::Pause: return HistoryEvent::Pause;
    case ReminderEvent::Resume: return HistoryEvent::Resume;
    }
    return HistoryEvent::Held;  // not reached: every event is mapped above
}

}  // namespace

MainForm::MainForm(MainFormPorts ports, std::string aboutHost)
    : m_profile(ports.profile),
      m_clock(ports.clock),
      m_desktop(ports.desktop),
      m_texts(ports.language),
      m_aboutHost(std::move(aboutHost)),
      m_history(ports.history ? std::optional<HistoryRecorder>(std::in_place, *ports.history, ports.clock, ports.desktop)
                              : std::nullopt),
      m_rest(ports.clock, ports.desktop,
             {[this] { hideOverlay(); }, [this] { notifyChanged(); },
              [this] { m_rest.options().write(m_profile, ReminderOptions::Key::PausedUntil); },
              [this](const std::string& text) {
                  if (notice) notice(text);
              },
              [this](ReminderEvent event, std::int64_t value) {
                  if (m_history) m_history->record(historyEvent(event), value);
              }},
             ports.presence, m_texts),
      m_trayMenu({ports.profile, ports.clock, ports.desktop, m_rest, [this] { aboutClick(); }, &m_night, m_texts}),
      m_colour(ports.profile, ports.gamma, ports.desktop, m_texts,
               {[this] { hideOverlay(); }, [this] { notifyChanged(); }}),
      m_night(ports.profile, ports.clock, ports.desktop, m_colour)
{
    // The switches' designed positions (colour off, rest on) are set before any handler is
    // attached, so building the window never runs a feature's on or off sequence.
    m_colourSwitch.setValue(false);
    m_restSwitch.setValue(true);
    m_colourSwitch.onClick = [this](bool on) { m_colour.safeSwitch1Click(on); };
    m_restSwitch.onClick = [this](bool on) { m_rest.switchClick(on); };
}

void MainForm::load()
{
    using namespace settings;
    const std::string mei = readini(m_profile, kRest, kWorkMinutes);
    const std::string xiuxi = readini(m_profile, kRest, kRestMinutes);
    const std::string pdrun = readini(m_profile, kRest, kSwitch);
    const std::string xxrun = m_rest.loadSettings(mei, xiuxi, pdrun);
    m_restSwitch.setValue(RestReminder::switchOnAtLoad(xxrun));
    m_rest.dsxxadd();

    const std::string eyePdrun = readini(m_profile, kColour, kSwitch);
    m_colour.colorload();
    if (eyePdrun == "1") {
        m_colourSwitch.setValue(true);
        hideOverlay();
    }
    m_rest.setOptions(ReminderOptions::read(m_profile, m_clock));
    if (m_history) {
        m_history->setEnabled(readini(m_profile, kExtra, kRecordHistory) != "0");
        m_history->record(HistoryEvent::Start);
    }
    m_night.load();
    notifyChanged();
}

void MainForm::setLanguage(Language language)
{
    writeLanguage(m_profile, language);
    if (language == m_texts.language()) return;
    m_texts.setLanguage(language);
    if (languageChanged) languageChanged();
}

void MainForm::exitSequence()
{
    using namespace settings;
    // Nothing is left to follow the day once the program has gone.
    m_night.takeOff();
    writeini(m_profile, kRest, kWorkMinutes, m_rest.workMinutesText());
    writeini(m_profile, kRest, kRestMinutes, m_rest.restMinutesText());
    writeini(m_profile, kRest, kSwitch, m_rest.xxrun());
    const auto values = m_colour.exitValues();
    const std::string_view keys[] = {kBrightness, kContrast, kRedGain, kGreenGain, kBlueGain};
    for (size_t i = 0; i < values.size(); ++i) writeini(m_profile, kColour, keys[i], values[i]);
    writeini(m_profile, kColour, kSwitch, m_colour.eyerun());
    // The history is a file of its own, after the settings; a session end and the exit both come here.
    if (m_history && !std::exchange(m_exitRecorded, true)) m_history->record(HistoryEvent::Exit);
}

void MainForm::timer1Tick()
{
    m_rest.tick();
    m_colour.timer1Tick();
    m_night.tick();
}

void MainForm::onSystemEvent(SystemEvent event)
{
    switch (event) {
    case SystemEvent::DisplayChange:
        // A display came or went, or a mode change reset the ramps; an open countdown screen must
        // cover the monitors there are now.
        m_colour.displaysChanged();
        m_colour.holdRamps();
        m_night.displaysChanged();
        m_rest.displaysChanged();
        break;
    case SystemEvent::DeviceChange:
        m_colour.displaysChanged();
        m_night.displaysChanged();
        break;
    case SystemEvent::Resume:
        m_rest.onResume();
        m_colour.holdRamps();
        break;
    case SystemEvent::ConsoleDisplayOn:
    case SystemEvent::Unlock:
    case SystemEvent::SettingChange:
        // Each of these can leave the displays with the system's own ramps.
        m_colour.holdRamps();
        break;
    case SystemEvent::Lock:
        break;
    case SystemEvent::EndSession:
        // Logging off ends the process without the exit image: keep what the user set.
        exitSequence();
        break;
    }
}

void MainForm::aboutClick() { m_desktop.openUrl(aboutUrl()); }

std::string MainForm::aboutUrl() const
{
    std::string_view host = m_aboutHost;
    while (!host.empty() && host.back() == '/') host.remove_suffix(1);
    return std::string(host) + "/tool/eye.html?v=1.4";
}

void MainForm::openPanel(Feature feature)
{
    m_panelVisible[0] = m_panelVisible[1] = false;
    m_overlayVisible = true;
    m_panelVisible[static_cast<int>(feature)] = true;
    notifyChanged();
}

void MainForm::closeOverlay() { hideOverlay(); }

void MainForm::restPanelOk() { m_rest.applyPanel(); }

void MainForm::colourPanelOk() { m_colour.okClick(); }

bool MainForm::featureOn(Feature feature) const
{
    return feature == Feature::Colour ? m_colour.settingsIconVisible() : m_rest.settingsIconVisible();
}

void MainForm::hideOverlay()
{
    if (!m_overlayVisible) return;
    m_overlayVisible = false;
    notifyChanged();
}

void MainForm::notifyChanged()
{
    if (changed) changed();
}

}  // namespace vistrel
