#include "settings/IniLookup.h"

#include "settings/IniDocument.h"
#include "settings/IniLine.h"
#include "base/TextParsing.h"

namespace vistrel {
namespace {

// The profile functions strip one pair of quotes while copying into the caller's buffer, and
// look for the closing quote only when the rest of the value fits it; a value of exactly
// 256 bytes after the opening quote thus loses its last character too.
std::string profileValue(std::string_view value)
{
    constexpr std::size_t kMax = IniDocument::kMaxValueBytes;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (!quoted) return std::string(value.substr(0, kMax));
    const std::string_view rest = value.substr(1);
    std::string copied(rest.substr(0, kMax));
    if (rest.size() <= kMax + 1) copied.pop_back();
    return copied;
}

}  // namespace

IniLookup::IniLookup(std::string_view section, std::string_view key)
    : m_section(IniLine::normalName(section)),
      m_key(IniLine::normalName(key)),
      m_inSection(m_section.empty()),
      m_sectionFound(m_inSection)
{
}

IniLookup::Role IniLookup::take(std::string_view text)
{
    const IniLine line = IniLine::parse(text);
    switch (line.kind) {
    case IniLine::Kind::Blank:
        return Role::Outside;
    case IniLine::Kind::Section:
        if (m_inSection) {
            m_done = true;
            return Role::End;
        }
        if (!equalsIgnoringAsciiCase(line.name, m_section)) return Role::Outside;
        m_inSection = m_sectionFound = true;
        return Role::Header;
    case IniLine::Kind::Key:
        break;
    }
    if (!m_inSection) return Role::Outside;
    if (!equalsIgnoringAsciiCase(line.name, m_key)) return Role::Content;
    m_done = true;
    if (line.value) m_value = profileValue(IniLine::cutAtNul(*line.value));
    return Role::Match;
}

}  // namespace vistrel
