#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace vistrel {

// One line of an INI file as the profile-string functions read it (Wine's implementation is the
// reference). Blanks are the ASCII ones (space, tab, CR, LF, VT, FF) and ^Z, the old DOS
// end-of-file mark that some files still carry.
struct IniLine {
    enum class Kind {
        Blank,
        Section,  // "[name]": the name runs to the line's last ']', so "[a]b]" is "a]b"
        Key,      // any other text, "name=value" or just "name"; ';' starts no comment
    };

    Kind kind = Kind::Blank;
    std::string_view name;                  // trimmed, up to its first NUL
    std::optional<std::string_view> value;  // trimmed text after the first '='; none without '='
    std::size_t valueOffset = 0;            // where the value starts in the line

    static IniLine parse(std::string_view text);

    // A name as the profile functions compare it: up to its first NUL, trimmed.
    static std::string_view normalName(std::string_view name);
    static std::string_view cutAtNul(std::string_view text);
    static bool isBlank(char c);
    static std::string_view trim(std::string_view text);
    static std::string_view trimStart(std::string_view text);
};

}  // namespace vistrel
