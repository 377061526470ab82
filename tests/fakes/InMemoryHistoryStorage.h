#pragma once
#include <string>

#include "history/HistoryStorage.h"

namespace vistrel::testing {

// The two history files as strings; a write can be made to fail.
class InMemoryHistoryStorage final : public HistoryStorage {
public:
    bool append(std::string_view bytes) override
    {
        if (failWrites) return false;
        current += bytes;
        return true;
    }
    std::optional<std::uint64_t> size() const override { return current.size(); }
    std::optional<char> lastByte() const override
    {
        return current.empty() ? std::nullopt : std::optional<char>(current.back());
    }
    std::optional<std::string> read(File file) const override { return file == File::Current ? current : old; }
    bool rollOver() override
    {
        old = std::move(current);
        current.clear();
        ++rollOvers;
        return true;
    }
    bool erase() override
    {
        current.clear();
        old.clear();
        return true;
    }

    std::string current;
    std::string old;
    bool failWrites = false;
    int rollOvers = 0;
};

}  // namespace vistrel::testing
