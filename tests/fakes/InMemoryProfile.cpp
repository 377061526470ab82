#include "fakes/InMemoryProfile.h"

namespace vistrel::testing {

std::string InMemoryProfile::read(std::string_view section, std::string_view key, std::string_view fallback) const
{
    calls.push_back("read " + std::string(section) + "/" + std::string(key));
    return m_document.read(section, key).value_or(IniDocument::fallbackValue(fallback));
}

bool InMemoryProfile::write(std::string_view section, std::string_view key, const std::optional<std::string>& value)
{
    const std::string name = std::string(section) + "/" + std::string(key);
    calls.push_back(value ? "write " + name + "=" + *value : "remove " + name);
    m_lastFailure = readOnly ? refusal : WriteFailure::Unstorable;
    if (readOnly) return false;
    const auto newValue = value ? std::optional<std::string_view>(*value) : std::nullopt;
    return m_document.write(section, key, newValue) != IniDocument::WriteResult::Rejected;
}

}  // namespace vistrel::testing
