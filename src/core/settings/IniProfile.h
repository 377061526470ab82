#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/Profile.h"

namespace vistrel {

// The settings file on any platform: IniDocument's rules on a real file. Every call opens, reads
// and closes the file; nothing is cached. A write replaces the file through a temporary file in
// the same folder and a rename, so an interrupted write leaves either the old or the new file,
// never a truncated one.
class IniProfile final : public Profile {
public:
    explicit IniProfile(std::filesystem::path file);

    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback) const override;

    // False, with the file untouched, when the file is read-only, is not a regular file, cannot
    // be read, or its folder does not take the temporary file; also when a name cannot be
    // stored (see IniDocument::canStoreSection and canStoreKey).
    bool write(std::string_view section, std::string_view key,
               const std::optional<std::string>& value) override;
    WriteFailure lastWriteFailure() const override { return m_lastFailure; }

private:
    std::filesystem::path m_file;
    WriteFailure m_lastFailure = WriteFailure::Other;
};

}  // namespace vistrel
