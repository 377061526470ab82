#include "reminder/RestReminder.h"

#include <algorithm>
#include <utility>

#include "base/LocalDateTime.h"
#include "base/TimeOfDay.h"
#include "text/ReminderTexts.h"

namespace vistrel {

namespace {

// Switch texts as stored in the settings file.
constexpr char kOn = '1';
constexpr char kOff = '0';
// An eye break this close to a rest would only delay the rest's prompt.
constexpr int kEyeBreakRestMarginMinutes = 5;

// The first start of the `due` minute after `after`.
LocalTime nextStartOf(TimeOfDay due, LocalTime after)
{
    std::int64_t until = std::int64_t{due.minuteOfDay()} * 60 - after.secondOfDay();
    if (until <= 0) until += LocalTime::kSecondsPerDay;
    return LocalTime{after.seconds + until};
}

// "1 分钟后休息 10 分钟"; under a minute in seconds. The second line only while postponing is left.
std::string noticeText(const Texts& texts, std::int64_t secondsLeft, int restMinutes, bool canPostpone)
{
    const std::int64_t wholeMinutes = secondsLeft / 60;
    const std::int64_t rest = secondsLeft % 60;
    // To the nearest minute, halves to even.
    const std::int64_t minutes = wholeMinutes + (rest > 30 || (rest == 30 && wholeMinutes % 2 == 1) ? 1 : 0);
    std::string text = secondsLeft < 60 ? texts(ReminderText::NoticeInSeconds, secondsLeft, restMinutes)
                                        : texts(ReminderText::NoticeInMinutes, minutes, restMinutes);
    if (canPostpone) text.append(1, '\n').append(texts(ReminderText::NoticeCanPostpone));
    return text;
}

}  // namespace

RestReminder::RestReminder(const Clock& clock, DesktopServices& desktop, RestReminderHooks hooks,
                           const Presence* presence, const Texts& texts)
    : m_clock(clock), m_desktop(desktop), m_hooks(std::move(hooks)), m_presence(presence), m_texts(texts)
{
}

const std::string& RestReminder::loadSettings(std::string_view mei, std::string_view xiuxi, std::string_view pdrun)
{
    m_loadStarted = m_clock.now();
    m_pdtipshow = 0;
    m_countdown.resetCount();
    m_minutes.load(mei, xiuxi);
    m_xxrun = std::string(pdrun.substr(0, pdrun.find('\0')));
    markChanged();
    publish();
    return m_xxrun;
}

void RestReminder::dsxxadd()
{
    scheduleNextRest();
    publish();
}

void RestReminder::form2tipClick()
{
    startCountdown();
    publish();
}

void RestReminder::command1()
{
    const auto next = TimeOfDay::parse(m_text1).value_or(TimeOfDay::of(m_clock.now()));
    m_text1 = next.plusMinutes(m_minutes.workMinutes()).text();
    markChanged();
    publish();
}

void RestReminder::command2()
{
    m_text1 = TimeOfDay::of(m_clock.now()).plusMinutes(m_minutes.workMinutes()).plusMinutes(m_minutes.restMinutes()).text();
    markChanged();
    publish();
}

void RestReminder::tick()
{
    const LocalTime now = m_clock.now();
    const auto previous = std::exchange(m_lastTick, now);
    // First, so that an eye break still closes when the reminder is switched off.
    followEyeBreak();
    // Switched off, the tick does nothing more: a running countdown stands still.
    if (!switchedOn()) {
        publish();
        return;
    }

    skipMissedRest(previous, now);
    followPause();
    followWorkHours(now);
    followPresence();
    // Both are "hh:mm", so the test holds for the whole due minute; the shown flag keeps the
    // prompt from opening more than once in it.
    const bool dueNow = m_text1 == TimeOfDay::of(now).text();
    // The timer starts once the load is done, and a message box during the load holds it back.
    // The user was there meanwhile, so the first tick looks back to the start of the load and
    // a due minute it finds there opens the prompt late rather than not at all.
    const bool dueDuringLoad = !previous && m_loadStarted && dueTimeMissedBetween(*m_loadStarted, now);
    if (m_pdtipshow == 0 && !paused() && !m_offHours && !m_awayWatch.away()) {
        // A rest that falls due while Windows is busy waits, with its message, for the first tick
        // after; Windows holds its own notifications the same way.
        if (dueNow || dueDuringLoad) m_held = true;
        if (!m_held) m_heldRecorded = false;
        if (m_held && !restHeldBack()) openPrompt();
        else if (m_held && !std::exchange(m_heldRecorded, true)) record(ReminderEvent::Held);
    }
    followNotice(now);
    if (m_countdown.running()) stepCountdown();
    publish();
}

void RestReminder::onResume()
{
    const LocalTime now = m_clock.now();
    const auto previous = std::exchange(m_lastTick, now);
    if (switchedOn()) skipMissedRest(previous, now);
    publish();
}

void RestReminder::setOptions(const ReminderOptions& options)
{
    m_options.noticeSeconds = options.noticeSeconds;
    m_options.eyeBreakMinutes = options.eyeBreakMinutes;
    m_options.eyeBreakSeconds = options.eyeBreakSeconds;
    m_options.workHours = options.workHours;
    m_options.holdInMeetings = options.holdInMeetings;
    setHoldWhenBusy(options.holdWhenBusy);
    setAwayCountsAsRest(options.awayCountsAsRest);
    m_options.noticeSeconds = options.noticeSeconds;
    setEyeBreaks(options.eyeBreakMinutes, options.eyeBreakSeconds);
    m_options.workHours = options.workHours;
    m_options.holdInMeetings = options.holdInMeetings;
    // A pause read back from the settings was recorded when the user chose it.
    if (options.pause) applyPause(*options.pause);
}

void RestReminder::displaysChanged()
{
    if (!m_screen.isOpen()) return;
    m_screen.monitorsChanged();
    markChanged();
    publish();
}

void RestReminder::setHoldWhenBusy(bool on)
{
    m_options.holdWhenBusy = on;
}

void RestReminder::setAwayCountsAsRest(bool on)
{
    m_options.awayCountsAsRest = on;
    if (!on) m_awayWatch.reset();
}

bool RestReminder::setEyeBreaks(int minutes, int seconds)
{
    using Options = ReminderOptions;
    if (!Options::validEyeBreakMinutes(minutes) || !Options::validEyeBreakSeconds(seconds)) return false;
    m_options.eyeBreakMinutes = minutes;
    m_options.eyeBreakSeconds = seconds;
    if (minutes == 0 && m_eyeBreak.isOpen()) {
        m_eyeBreak.close();
        markChanged();
        publish();
    }
    return true;
}

void RestReminder::pause(ReminderPause pause)
{
    if (!paused()) record(ReminderEvent::Pause, std::max<std::int64_t>(pause.localEnd().seconds - m_clock.now().seconds, 0) / 60);
    applyPause(pause);
}

void RestReminder::applyPause(ReminderPause pause)
{
    m_options.pause = pause;
    m_held = false;
    closePrompt();
    markChanged();
    publish();
}

void RestReminder::resumeReminders()
{
    if (paused()) record(ReminderEvent::Resume);
    m_options.pause.reset();
    scheduleNextRest();
    publish();
}

bool RestReminder::paused() const
{
    return m_options.pause && !m_options.pause->over(m_clock);
}

void RestReminder::followPause()
{
    if (!m_options.pause) return;
    if (m_options.pause->over(m_clock)) {
        m_options.pause.reset();
        scheduleNextRest();
    } else if (m_options.pause->followClock(m_clock) && m_hooks.pauseEndMoved) {
        m_hooks.pauseEndMoved();
    }
}

void RestReminder::followPresence()
{
    if (!m_options.awayCountsAsRest || !m_presence) return;
    const std::int64_t restSeconds = std::int64_t{m_minutes.restMinutes()} * 60;
    switch (m_awayWatch.follow(*m_presence, m_clock.utcNow(), restSeconds)) {
    case AwayWatch::Outcome::WentAway:
        m_awaySince = UtcTime{m_clock.utcNow().seconds - std::max<std::int64_t>(m_presence->idleSeconds(), 0)};
        // The user took the rest away from the screen: a prompt still asking for it goes.
        m_held = false;
        closePrompt();
        break;
    case AwayWatch::Outcome::CameBack:
        if (m_awaySince) record(ReminderEvent::Away, (m_clock.utcNow().seconds - m_awaySince->seconds) / 60);
        m_awaySince.reset();
        // Back: the next rest comes a work period from now.
        scheduleNextRest();
        break;
    case AwayWatch::Outcome::None:
        break;
    }
}

void RestReminder::followEyeBreak()
{
    const LocalTime now = m_clock.now();
    EyeBreakSchedule::Moment moment{.now = m_clock.utcNow(),
                                    .breakOpen = m_eyeBreak.isOpen(),
                                    .everyMinutes = m_options.eyeBreakMinutes,
                                    .breakSeconds = m_options.eyeBreakSeconds,
                                    .skip = eyeBreaksSkipped(now)};
    if (m_presence) {
        moment.idleSeconds = m_presence->idleSeconds();
        moment.locked = m_presence->locked();
    }
    // Busy counts whatever the hold-when-busy option says: a break over a presentation helps no one.
    const auto busy = [this] {
        return m_presence && (m_presence->busy() || (m_options.holdInMeetings && m_presence->inMeeting()));
    };
    switch (m_eyeBreakSchedule.follow(moment, busy)) {
    case EyeBreakSchedule::Decision::Open:
        m_eyeBreak.open(m_options.eyeBreakSeconds);
        markChanged();
        break;
    case EyeBreakSchedule::Decision::Close:
        m_eyeBreak.close();
        markChanged();
        break;
    case EyeBreakSchedule::Decision::Skip:
        record(ReminderEvent::EyeBreakSkipped);
        break;
    case EyeBreakSchedule::Decision::None:
    case EyeBreakSchedule::Decision::Restart:
        if (m_eyeBreak.isOpen()) {
            if (m_eyeBreak.tick()) record(ReminderEvent::EyeBreak);
            markChanged();
        }
        break;
    }
}

bool RestReminder::eyeBreaksSkipped(LocalTime now) const
{
    const bool restPending = m_pdtipshow != 0 || m_held || m_prompt.isOpen() || m_countdown.running();
    return !switchedOn() || paused() || restPending || !m_options.workHours.contains(now) ||
           restDueWithinMinutes(now, kEyeBreakRestMarginMinutes);
}

bool RestReminder::restDueWithinMinutes(LocalTime now, int minutes) const
{
    // Counted from the start of this minute, so that a rest due in it is due within any margin.
    const LocalTime minuteStart = startOfMinute(now);
    const auto due = nextDue(LocalTime{minuteStart.seconds - 1});
    return due && due->seconds - minuteStart.seconds <= std::int64_t{minutes} * 60;
}

bool RestReminder::windowsBusyHolds() const
{
    return m_options.holdWhenBusy && m_presence && m_presence->busy();
}

bool RestReminder::meetingHolds() const
{
    // Reading the store costs registry walks: asked only while a rest is held, never on a plain tick.
    return m_options.holdInMeetings && m_presence && m_presence->inMeeting();
}

bool RestReminder::restHeldBack() const { return windowsBusyHolds() || meetingHolds(); }

bool RestReminder::outsideWorkHours() const { return !m_options.workHours.contains(m_clock.now()); }

void RestReminder::followWorkHours(LocalTime now)
{
    const bool off = !m_options.workHours.contains(now);
    if (off == m_offHours) return;
    m_offHours = off;
    if (off) {
        // Nothing asks for a rest out of hours; a rest still waiting goes with them. A running
        // countdown is the user's own and finishes.
        m_held = false;
        closePrompt();
    } else {
        // The first working minute starts a work period, as the end of a pause does.
        scheduleNextRest();
    }
    markChanged();
}

std::optional<LocalTime> RestReminder::nextDue(LocalTime now) const
{
    const auto due = TimeOfDay::parse(m_text1);
    if (!due) return std::nullopt;
    return nextStartOf(*due, now);
}

void RestReminder::followNotice(LocalTime now)
{
    if (m_options.noticeSeconds <= 0 || m_pdtipshow != 0 || m_countdown.running() || m_held || paused() ||
        m_offHours || m_awayWatch.away())
        return;
    const auto due = nextDue(now);
    // Once per due time; one scheduled nearer than the notice's lead gets it at once.
    if (!due || due->seconds - now.seconds > m_options.noticeSeconds || m_noticedDue == due) return;
    // A rest that falls outside the working hours will not be asked for.
    if (!m_options.workHours.contains(*due)) return;
    m_noticedDue = due;
    if (m_hooks.showNotice)
        m_hooks.showNotice(noticeText(m_texts, due->seconds - now.seconds, m_minutes.restMinutes(), canPostpone()));
}

bool RestReminder::canPostpone() const
{
    if (!switchedOn() || paused() || m_postpones >= kMostPostpones) return false;
    if (m_prompt.isOpen() || m_held) return true;
    // The notice announced the rest that is still next.
    return m_noticedDue && nextDue(m_clock.now()) == m_noticedDue;
}

void RestReminder::postpone()
{
    if (!canPostpone()) return;
    ++m_postpones;
    record(ReminderEvent::Postpone);
    m_held = false;
    closePrompt();
    setNextRestIn(kPostponeMinutes);
    publish();
}

void RestReminder::openPrompt()
{
    record(ReminderEvent::Prompt);
    m_held = false;
    m_prompt.open(m_minutes.restMinutes());
    m_pdtipshow = 1;
    markChanged();
}

void RestReminder::closePrompt()
{
    if (!m_prompt.isOpen()) return;
    m_prompt.close();
    m_pdtipshow = 0;
    markChanged();
}

void RestReminder::switchClick(bool value)
{
    if (value) {
        scheduleNextRest();
        m_xxrun.assign(1, kOn);
    } else {
        m_xxrun.assign(1, kOff);
    }
    m_featureShownOn = value;
    markChanged();
    publish();
}

bool RestReminder::applyPanel()
{
    if (const MinuteRange* invalid = m_minutes.invalidRange()) {
        // Modal: the message loop, and so the tick, runs while it is open; nothing below it
        // relies on state read before it.
        m_desktop.messageBox(outOfRangeMessage(*invalid, m_texts), m_texts(ReminderText::WarningTitle),
                             MessageIcon::Warning);
        return false;
    }
    m_minutes.normaliseTexts();
    scheduleNextRest();
    publish();
    return true;
}

void RestReminder::promptTakeRest()
{
    if (!m_prompt.isOpen()) return;  // a late click on a prompt already gone
    startCountdown();
    m_pdtipshow = 1;
    m_prompt.close();
    m_screen.open();
    markChanged();
    publish();
}

void RestReminder::promptContinueWork()
{
    if (!m_prompt.isOpen()) return;
    record(ReminderEvent::Continue);
    scheduleNextRest();
    m_pdtipshow = 0;
    m_prompt.close();
    markChanged();
    publish();
}

void RestReminder::promptDisplayOff(bool lockFirst)
{
    if (!m_prompt.isOpen()) return;
    record(lockFirst ? ReminderEvent::LockDisplayOff : ReminderEvent::DisplayOff);
    m_prompt.armDisplayOff(lockFirst);
    scheduleNextRest();
    m_pdtipshow = 0;
    markChanged();
    publish();
}

void RestReminder::displayOffTimerTick()
{
    const auto action = m_prompt.displayOffTimerTick();
    if (action == RestPromptLogic::DisplayOffAction::None) return;
    markChanged();  // the timer is disarmed
    publish();
    if (action == RestPromptLogic::DisplayOffAction::LockThenSwitchOff) m_desktop.lockWorkStation();
    m_desktop.switchDisplayOff();
}

void RestReminder::countdownCloseClick()
{
    if (!m_screen.isOpen()) return;
    if (std::exchange(m_restRunning, false)) record(ReminderEvent::RestCut, m_countdown.djscount());
    closeCountdownScreen();
    publish();
}

void RestReminder::eyeBreakClick()
{
    if (!m_eyeBreak.isOpen()) return;
    record(ReminderEvent::EyeBreak);
    m_eyeBreak.close();
    markChanged();
    publish();
}

void RestReminder::setNextRestFromNow() { setNextRestIn(m_minutes.workMinutes()); }

void RestReminder::setNextRestIn(int minutes)
{
    // The seconds are dropped first, so the reminder comes between minutes - 1 and minutes
    // after this call.
    m_text1 = TimeOfDay::of(m_clock.now()).plusMinutes(minutes).text();
    m_label5 = m_text1;
    markChanged();
}

void RestReminder::scheduleNextRest()
{
    m_held = false;  // a rest waiting to be shown belongs to the schedule being replaced
    m_postpones = 0;  // `dsxxadd` sets the schedule afresh
    m_dhhourWork = std::to_string(m_minutes.workMinutes());
    m_dhhourRest = std::to_string(m_minutes.restMinutes());
    if (m_hooks.hideSettingsOverlay) m_hooks.hideSettingsOverlay();
    setNextRestFromNow();
}

void RestReminder::startCountdown()
{
    const int rest = m_minutes.restMinutes();  // always within 1..555, so it fits 16 bits
    m_postpones = 0;  // the rest is taken
    m_restRunning = true;
    record(ReminderEvent::Rest, rest);
    m_prompt.setTipproValue(0);
    m_countdown.resetCount();
    m_prompt.setTipproMax(rest * 60);
    m_countdown.start(static_cast<std::int16_t>(rest));
    markChanged();
}

void RestReminder::stepCountdown()
{
    const Countdown::Step step = m_countdown.step();
    m_prompt.setTipproValue(m_countdown.djscount());
    // The copy is taken before the new text, so it shows the previous second.
    m_screen.refreshCopy();
    if (step.kind == Countdown::Step::Kind::Text)
        m_screen.setLabel(step.text);
    else if (step.kind == Countdown::Step::Kind::End)
        endRest();
    markChanged();
}

void RestReminder::endRest()
{
    m_countdown.stop();
    if (std::exchange(m_restRunning, false)) record(ReminderEvent::RestDone);
    scheduleNextRest();
    m_prompt.close();
    closeCountdownScreen();
}

void RestReminder::closeCountdownScreen()
{
    scheduleNextRest();
    m_pdtipshow = 0;
    m_screen.close();
    markChanged();
}

bool RestReminder::dueTimeMissedBetween(LocalTime previous, LocalTime now) const
{
    // Within a minute of the previous tick no due minute can pass without a tick inside it.
    if (now.seconds - previous.seconds <= 60) return false;
    // The first start of the due minute after the previous tick; if the previous tick lay inside
    // the due minute, that minute was seen and the next one is a day later.
    const auto due = nextDue(previous);
    // Missed when the whole due minute lies before now; if now is inside it the due test fires.
    return due && due->seconds + 60 <= now.seconds;
}

void RestReminder::skipMissedRest(std::optional<LocalTime> previous, LocalTime now)
{
    // Without this a missed due minute would leave the reminder silent until the same time of
    // day came round again. The user was away, which counts as the rest.
    if (previous && m_pdtipshow == 0 && dueTimeMissedBetween(*previous, now)) setNextRestFromNow();
}

void RestReminder::record(ReminderEvent event, std::int64_t value)
{
    if (m_hooks.happened) m_hooks.happened(event, value);
}

void RestReminder::publish()
{
    if (!m_changed) return;
    m_changed = false;
    if (m_hooks.changed) m_hooks.changed();
}

}  // namespace vistrel
