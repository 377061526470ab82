#pragma once
#include <string>

#include "history/HistoryStorage.h"

namespace vistrel::win32 {

// The history files `history.csv` and `history-old.csv` in the settings folder. Each call opens
// and closes its file, so the statistics window can read while the reminder appends, and the
// roll-over can rename a file nobody holds open.
class Win32HistoryStorage final : public HistoryStorage {
public:
    explicit Win32HistoryStorage(const std::wstring& folder);

    bool append(std::string_view bytes) override;
    std::optional<std::uint64_t> size() const override;
    std::optional<char> lastByte() const override;
    std::optional<std::string> read(File file) const override;
    bool rollOver() override;
    bool erase() override;

    const std::wstring& path(File file) const { return file == File::Current ? m_current : m_old; }

private:
    std::wstring m_current;
    std::wstring m_old;
};

}  // namespace vistrel::win32
