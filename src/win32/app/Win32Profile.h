#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "settings/Profile.h"

namespace vistrel::win32 {

// The settings file through kernel32's profile-string functions, in the ANSI code page as other
// tools expect it. The core's UTF-8 names and values are converted on the way in and out.
class Win32Profile final : public Profile {
public:
    explicit Win32Profile(std::wstring file);

    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback) const override;

    // A value goes in as IniDocument::storableValue gives it and a name that would not read back
    // is refused, as the portable profile does; so is text the ANSI code page cannot spell exactly
    // (it would be stored as '?'). Otherwise the result of WritePrivateProfileStringA.
    bool write(std::string_view section, std::string_view key,
               const std::optional<std::string>& value) override;
    WriteFailure lastWriteFailure() const override { return m_lastFailure; }

private:
    std::wstring m_file;
    WriteFailure m_lastFailure = WriteFailure::Other;
};

}  // namespace vistrel::win32
