#pragma once
#include <array>
#include <optional>
#include <string>

#include "history/HistoryRecorder.h"
#include "reminder/RestReminder.h"
#include "settings/Profile.h"
#include "text/Texts.h"

namespace vistrel {

struct RestOptionsModelPorts {
    Profile& profile;
    RestReminder& rest;  // the options in force, as the tray menu shows and changes them
    const Texts& texts;  // the run's, in the language in force
    HistoryRecorder* history = nullptr;  // none: the run records no history, and the page cannot change that
};

// Page "休息" of the Options window without its pixels: the rest reminder's options as texts and
// choices, and the verdict on them. The values are read from the reminder, live, and re-read for
// every value the user has not changed here whenever the page is shown again, so a change made in
// the tray menu shows here and an apply never undoes it. Each typed field has its own error; a field
// in use that is invalid refuses the apply, and nothing is written then. A field out of use (the
// eye break's numbers while it is off, the hours while every hour counts) cannot stop an apply: its
// last good value is kept until the user fixes it.
class RestOptionsModel {
public:
    static constexpr int kDays = 7;  // Monday first, as `work_days` counts them

    struct Values {
        std::string noticeSeconds;  // 0: no notice
        bool eyeBreak = false;
        std::string eyeBreakMinutes;
        std::string eyeBreakSeconds;
        bool workHoursOnly = false;  // only from `workFrom` to `workTo`; otherwise every hour of a work day
        std::string workFrom;        // "hh:mm"
        std::string workTo;
        std::array<bool, kDays> workDays{};
        bool holdInMeetings = false;
        bool holdWhenBusy = false;
        bool awayCountsAsRest = false;
        bool recordHistory = true;
        friend bool operator==(const Values&, const Values&) = default;
    };
    // What the user can get wrong, in the page's tab order.
    enum class Field { NoticeSeconds, EyeBreakMinutes, EyeBreakSeconds, WorkFrom, WorkTo, WorkDays };
    static constexpr std::array kFields = {Field::NoticeSeconds, Field::EyeBreakMinutes, Field::EyeBreakSeconds,
                                           Field::WorkFrom,      Field::WorkTo,          Field::WorkDays};

    explicit RestOptionsModel(RestOptionsModelPorts ports);
    RestOptionsModel(const RestOptionsModel&) = delete;
    RestOptionsModel& operator=(const RestOptionsModel&) = delete;

    const Values& values() const { return m_values; }
    void setValues(const Values& values) { m_values = values; }
    // Takes the live options again for every value the user has not changed here.
    void refresh();
    bool changed() const { return m_values != m_read; }

    // Whether the field counts as things stand (the page enables only those).
    bool inUse(Field field) const;
    // What is wrong with the field, in the user's words; none when it is valid.
    std::optional<std::string> error(Field field) const;
    // The first field that stops an apply.
    std::optional<Field> refusal() const;
    // Takes the live options again (as refresh() does), then puts what the user changed here in
    // force on the reminder and writes those keys of `[extra]` alone. The field that refused
    // otherwise; nothing is written or put in force then.
    std::optional<Field> apply();

    // The next value of the notice's up-down from `seconds` by `delta`: it steps over the seconds
    // no notice can have, between off and the shortest notice.
    static int noticeStep(int seconds, int delta);

    bool historyAvailable() const { return m_ports.history != nullptr; }
    // Deletes the history files at once (the page has asked the user); false when one is left.
    bool clearHistory() { return m_ports.history && m_ports.history->clear(); }

private:
    Values live() const;
    ReminderOptions pending(const ReminderOptions& live) const;

    RestOptionsModelPorts m_ports;
    Values m_values;
    Values m_read;  // the live options when last read
};

}  // namespace vistrel
