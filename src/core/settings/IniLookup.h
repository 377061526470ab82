#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// Finds one key in lines handed over one at a time, so that a file can be searched while it is
// being read and the search stops as soon as the answer is known. Only the first section of the
// name counts, and in it only the first key of the name. Lines before the first header form the
// section "", which therefore always exists and always comes first.
class IniLookup {
public:
    // What a line was to the search.
    enum class Role {
        Outside,  // not in the first matching section, or a blank line inside it
        Header,   // the header of the first matching section
        Content,  // a non-blank line of that section other than the key
        Match,    // the first matching key: the search is over
        End,      // the header after that section: the search is over, the key is missing
    };

    IniLookup(std::string_view section, std::string_view key);

    // The next line, without its line end. Not to be called once the search is over.
    Role take(std::string_view line);

    bool done() const { return m_done; }
    bool sectionFound() const { return m_sectionFound; }

    // Once a key matched: its value as the profile functions hand it back (trimmed, one pair of
    // matching quotes removed, cut at its first NUL and at IniDocument::kMaxValueBytes), or
    // nothing when its line has no '='. Nothing too while no key matched.
    const std::optional<std::string>& value() const { return m_value; }

private:
    std::string m_section;
    std::string m_key;
    bool m_inSection;
    bool m_sectionFound;
    bool m_done = false;
    std::optional<std::string> m_value;
};

}  // namespace vistrel
