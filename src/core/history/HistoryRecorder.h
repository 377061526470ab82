#pragma once
#include <cstdint>

#include "base/Clock.h"
#include "base/DesktopServices.h"
#include "history/HistoryEvent.h"
#include "history/HistoryStorage.h"

namespace vistrel {

// Appends the reminder's events to the history file, one flushed line at a time, so a crash loses
// at most the line being written. Past kRollBytes the file rolls over into the old one and a new
// one starts, so the two together keep between one and two megabytes of the latest history.
class HistoryRecorder {
public:
    static constexpr std::uint64_t kRollBytes = 1024 * 1024;

    HistoryRecorder(HistoryStorage& storage, const Clock& clock, DesktopServices& desktop);

    // Recording as `record_history` says; on by default.
    void setEnabled(bool on) { m_enabled = on; }
    bool enabled() const { return m_enabled && !m_failed; }
    bool recording() const { return m_enabled; }  // as the user set it
    // Off for the rest of the run: the settings folder cannot be written, and the user has been told
    // once already.
    void disableForRun() { m_failed = true; }

    void record(HistoryEvent event, std::int64_t value = 0);
    // Deletes both files; false (traced) when one could not be deleted.
    bool clear();

private:
    bool appendLine(const std::string& line);

    HistoryStorage& m_storage;
    const Clock& m_clock;
    DesktopServices& m_desktop;
    bool m_enabled = true;
    bool m_failed = false;
    bool m_lineStartChecked = false;  // the current file is known to end with a whole line
};

}  // namespace vistrel
