#include "history/HistoryRecorder.h"

#include <string>

namespace vistrel {

HistoryRecorder::HistoryRecorder(HistoryStorage& storage, const Clock& clock, DesktopServices& desktop)
    : m_storage(storage), m_clock(clock), m_desktop(desktop)
{
}

void HistoryRecorder::record(HistoryEvent event, std::int64_t value)
{
    if (!enabled()) return;
    const HistoryRecord record{m_clock.now(), m_clock.utcOffsetSeconds(), event, value};
    if (!appendLine(historyLine(record) + "\n"))
        m_desktop.trace("history: could not record " + std::string(historyEventName(event)));
}

bool HistoryRecorder::appendLine(const std::string& line)
{
    std::uint64_t size = m_storage.size().value_or(0);
    if (size > 0 && size + line.size() > kRollBytes) {
        if (m_storage.rollOver()) size = 0;
        else m_desktop.trace("history: could not roll the file over; it grows on");
    }
    std::string bytes;
    if (size == 0) {
        bytes = std::string(kHistoryHeader) + "\n";
    } else if (!m_lineStartChecked) {
        // A line torn by a crash would swallow the next one: it gets its own end first.
        const auto last = m_storage.lastByte();
        if (last && *last != '\n') bytes = "\n";
    }
    bytes += line;
    const bool written = m_storage.append(bytes);
    m_lineStartChecked = written;
    return written;
}

bool HistoryRecorder::clear()
{
    m_lineStartChecked = false;
    if (m_storage.erase()) return true;
    m_desktop.trace("history: could not delete the files");
    return false;
}

}  // namespace vistrel
