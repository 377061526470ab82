#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/DesktopServices.h"
#include "reminder/AwayWatch.h"
#include "reminder/Countdown.h"
#include "reminder/CountdownScreenLogic.h"
#include "reminder/EyeBreak.h"
#include "reminder/EyeBreakSchedule.h"
#include "reminder/MinuteSettings.h"
#include "reminder/Presence.h"
#include "reminder/ReminderEvent.h"
#include "reminder/ReminderOptions.h"
#include "reminder/RestPromptLogic.h"
#include "text/Texts.h"

namespace vistrel {

// What the rest reminder asks of the main window it lives on.
struct RestReminderHooks {
    std::function<void()> hideSettingsOverlay;  // hides `ppset`
    // Runs after an operation changed anything on screen (this window, the rest prompt or the
    // countdown screen), so the shell can redraw from the state below.
    std::function<void()> changed;
    // Runs when the local clock jumped under a timed pause, so its end shows at another local
    // time and the settings file must say so.
    std::function<void()> pauseEndMoved;
    // A rest is near: the tray icon shows this text as a notification (no sound).
    std::function<void(const std::string& text)> showNotice;
    // For the history: what happened, with its number where it has one.
    std::function<void(ReminderEvent event, std::int64_t value)> happened;
};

// The rest reminder as the main window holds it: next rest time, work and rest minutes, switch,
// shown flag and countdown, plus the display state of the rest prompt and the countdown screen it
// drives. The shells forward events to the operations and draw the state; nothing here touches
// the platform except through the desktop services.
class RestReminder {
public:
    // `presence` answers the options that depend on the user; without one they do nothing.
    // `texts` is read each time a text is made, so a change of language shows at once.
    RestReminder(const Clock& clock, DesktopServices& desktop, RestReminderHooks hooks = {},
                 const Presence* presence = nullptr, const Texts& texts = designedTexts());

    // The catalogue the reminder and the windows showing it speak.
    const Texts& texts() const { return m_texts; }

    // --- Main window ---

    // Loading the `dsxx` section: the minute boxes (unusable values become 45 and 10) and the
    // switch text, cut at its first NUL. Also clears the shown flag and the tick counter. Returns
    // `xxrun`; the shell then sets the switch to switchOnAtLoad(xxrun) and calls dsxxadd().
    const std::string& loadSettings(std::string_view mei, std::string_view xiuxi, std::string_view pdrun);
    static bool switchOnAtLoad(std::string_view xxrun) { return xxrun != "0"; }

    // Schedules the next rest from the current minute and hides the settings overlay.
    void dsxxadd();
    void okdsxxaddClick() { dsxxadd(); }
    // Starts the rest countdown.
    void form2tipClick();
    // Hidden entry points: put the next rest off by one work period (`Command1`), or set it to
    // now + work + rest (`Command2`); neither updates the visible time.
    void command1();
    void command2();
    // `Timer1`, once a second.
    void tick();
    // The system woke from sleep: a rest that fell due meanwhile counts as taken.
    void onResume();
    // Monitors came, went or changed their mode: an open countdown screen is laid out afresh.
    void displaysChanged();
    // `SafeSwitch2` raised Click with its new value.
    void switchClick(bool value);

    std::int16_t pdtipshow() const { return m_pdtipshow; }  // 1 while a rest prompt is pending or a rest runs
    void setPdtipshow(std::int16_t value) { m_pdtipshow = value; }  // `Pdtipshow` is public read and write

    // The rest panel's boxes (`Text2`, `Text3`), as typed; the shell forwards every edit.
    const std::string& workMinutesText() const { return m_minutes.workText(); }
    const std::string& restMinutesText() const { return m_minutes.restText(); }
    void setWorkMinutesText(std::string text) { m_minutes.setWorkText(std::move(text)); }
    void setRestMinutesText(std::string text) { m_minutes.setRestText(std::move(text)); }
    // The panel's OK: a box outside its range gets a warning and the panel stays open (false);
    // otherwise the boxes are tidied and the next rest scheduled (true).
    bool applyPanel();

    // --- Options beyond the designed reminder ---
    const ReminderOptions& options() const { return m_options; }
    // Puts every option in force; a pause in them starts, and none leaves the one running as it is.
    void setOptions(const ReminderOptions& options);
    void setHoldWhenBusy(bool on);
    void setAwayCountsAsRest(bool on);
    // An eye break of `seconds` every `minutes` of work; 0 minutes turns them off and closes an
    // open one. Values out of range are refused (false).
    bool setEyeBreaks(int minutes, int seconds);
    // No prompt opens until the pause is over (an open one closes); a running countdown goes on.
    // The next rest is scheduled from the minute the pause ends.
    void pause(ReminderPause pause);
    // Ends a pause now and schedules the next rest from this minute.
    void resumeReminders();
    bool paused() const;
    // A due rest waits to be shown (Windows is busy, or a meeting holds the camera or microphone).
    bool held() const { return m_held; }
    // Outside the working hours no rest is asked for and no notice shown.
    bool outsideWorkHours() const;

    // --- Postpone ("推迟 5 分钟" in the tray menu) ---
    static constexpr int kPostponeMinutes = 5;
    static constexpr int kMostPostpones = 3;  // in a row, until a rest is taken or dsxxadd runs
    // From the notice until the prompt is answered, and while a due rest is held.
    bool canPostpone() const;
    // Closes the prompt and moves the next rest to five minutes from now.
    void postpone();
    int postponesInARow() const { return m_postpones; }

    // --- Rest prompt ---
    void promptTakeRest();                    // the message
    void promptContinueWork();                // "继续工作"
    void promptDisplayOff(bool lockFirst);    // "关闭显示器" / "锁屏 + 关闭显示器"
    void displayOffTimerTick();               // the prompt's `Timer1`, while armed

    // --- Eye break ---
    const EyeBreak& eyeBreak() const { return m_eyeBreak; }
    void eyeBreakClick();  // a click on its window closes it at once

    // --- Countdown screen ---
    void countdownCloseClick();  // `imgclose`

    // --- State for drawing ---
    const std::string& text1() const { return m_text1; }    // next rest "hh:mm"
    const std::string& label5() const { return m_label5; }  // the visible copy of it
    const std::string& workMinutesCaption() const { return m_dhhourWork; }  // `dhhour` 0
    const std::string& restMinutesCaption() const { return m_dhhourRest; }  // `dhhour` 1
    const std::string& xxrun() const { return m_xxrun; }  // the switch's text, "1" or "0", stored as dsxx/pdrun
    bool captionGreen() const { return m_featureShownOn; }         // `Label2` element 1
    bool settingsIconVisible() const { return m_featureShownOn; }  // `edit` element 1
    const Countdown& countdown() const { return m_countdown; }
    const RestPromptLogic& prompt() const { return m_prompt; }
    const CountdownScreenLogic& countdownScreen() const { return m_screen; }

private:
    // Only the exact text "1" lets the tick run.
    bool switchedOn() const { return m_xxrun == "1"; }
    void setNextRestFromNow();
    void setNextRestIn(int minutes);
    void scheduleNextRest();
    void startCountdown();
    void stepCountdown();
    void endRest();
    void closeCountdownScreen();
    bool dueTimeMissedBetween(LocalTime previous, LocalTime now) const;
    void skipMissedRest(std::optional<LocalTime> previous, LocalTime now);
    void markChanged() { m_changed = true; }
    void openPrompt();
    void closePrompt();
    // The options' part of a tick: a pause that ends or moves, the user going away or coming back.
    void followPause();
    void followPresence();
    bool windowsBusyHolds() const;
    // The eye breaks' part of a tick: one falls due, counts down or closes.
    void followEyeBreak();
    bool eyeBreaksSkipped(LocalTime now) const;
    bool restDueWithinMinutes(LocalTime now, int minutes) const;
    bool meetingHolds() const;
    bool restHeldBack() const;
    // Working hours that begin or end, and the notice a little before the next rest.
    void followWorkHours(LocalTime now);
    void followNotice(LocalTime now);
    // The start of the next rest's minute, the first one after `now`; none for an unreadable `Text1`.
    std::optional<LocalTime> nextDue(LocalTime now) const;
    void publish();
    void record(ReminderEvent event, std::int64_t value = 0);
    void applyPause(ReminderPause pause);

    const Clock& m_clock;
    DesktopServices& m_desktop;
    RestReminderHooks m_hooks;

    std::string m_text1 = "12:30";
    std::string m_label5 = "12:30";
    std::string m_dhhourWork = "240";
    std::string m_dhhourRest = "240";
    std::string m_xxrun;
    bool m_featureShownOn = false;
    std::int16_t m_pdtipshow = 0;
    MinuteSettings m_minutes;
    Countdown m_countdown;
    RestPromptLogic m_prompt;
    CountdownScreenLogic m_screen;
    EyeBreak m_eyeBreak;
    bool m_restRunning = false;  // a started rest not yet recorded as done or cut
    bool m_heldRecorded = false;  // the rest held now is in the history
    std::optional<UtcTime> m_awaySince;  // the last input before the user went away
    EyeBreakSchedule m_eyeBreakSchedule;

    std::optional<LocalTime> m_loadStarted;  // when the window's load read the settings
    std::optional<LocalTime> m_lastTick;     // to notice sleep and clock jumps between ticks

    const Presence* m_presence;
    const Texts& m_texts;
    ReminderOptions m_options;
    bool m_held = false;  // a due rest waits for Windows to be free
    bool m_offHours = false;  // as the last tick found the working hours
    std::optional<LocalTime> m_noticedDue;  // the due time the last notice announced
    int m_postpones = 0;
    AwayWatch m_awayWatch;
    bool m_changed = false;
};

}  // namespace vistrel
