#pragma once
#include <span>
#include <string_view>

namespace vistrel {

// One text of the catalogue in both languages, UTF-8. "{0}" to "{9}" take the arguments;
// "{0|one|other}" takes "one" when argument 0 is the number 1 and "other" otherwise, so English
// plurals follow the number wherever it stands.
template <class Id>
struct TextEntry {
    Id id;
    std::string_view zh;
    std::string_view en;
};

// Each area's table lists every id of its enum (which ends in `Count`) in declared order, so an
// id is its own index, and gives each both languages; a table that does not fails to compile.
template <class Id>
constexpr bool wellFormed(std::span<const TextEntry<Id>> table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].id) != i) return false;
        if (table[i].zh.empty() || table[i].en.empty()) return false;
    }
    return table.size() == static_cast<std::size_t>(Id::Count);
}

// What the completeness test walks: every area's texts, without their ids.
struct CatalogueText {
    std::string_view area;
    std::size_t index;
    std::string_view zh;
    std::string_view en;
};

}  // namespace vistrel
