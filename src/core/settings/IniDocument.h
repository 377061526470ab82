#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// The bytes of an INI file, looked up and edited the way the Windows profile-string functions do
// it (Wine's implementation is the reference), except that an edit keeps every line it does not
// touch byte for byte instead of reformatting the file. Lines end at LF, CRLF or a lone CR; a
// UTF-8 byte order mark at the start is skipped. IniLine holds the syntax of one line and
// IniLookup the rule that the first matching section and key win.
//
// Where we deliberately differ from the reference:
// - A rewrite keeps blank lines, spacing and line ends; the reference drops blank lines and writes
//   "key=value" in CRLF throughout. What a later read returns is the same.
// - A value is stored up to its first CR or LF (the reference writes it whole, so the rest
//   turns into lines of its own), and names that would not read back (with a line break, a key
//   with '=' or shaped like a section header) are refused instead of written.
// - The bytes are taken as they are: names compare case-insensitively in ASCII only, values are
//   cut at 255 bytes rather than 255 characters, and a file with a UTF-8 byte order mark is not
//   converted to the ANSI code page.
class IniDocument {
public:
    // Values come back cut to this many bytes, as the program's 256-byte read buffer holds them.
    static constexpr std::size_t kMaxValueBytes = 255;
    // Skipped at the start of the file, kept when it is rewritten.
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // not user text: a file format mark

    enum class WriteResult {
        Changed,    // bytes() holds the edited file
        Unchanged,  // the file already says this; nothing to write
        Rejected,   // the names cannot be stored so that they read back; bytes() untouched
    };

    IniDocument() = default;
    explicit IniDocument(std::string bytes) : m_bytes(std::move(bytes)) {}

    const std::string& bytes() const { return m_bytes; }

    // The value under section/key as the profile functions hand it back: trimmed, one pair of
    // matching quotes (' or ") removed, cut at kMaxValueBytes. std::nullopt when the section or
    // the key is missing, or the key's line has no '='.
    std::optional<std::string> read(std::string_view section, std::string_view key) const;

    // Replaces the value of the first matching key, or adds the key at the end of its section
    // (before trailing blank lines), or adds the section at the end of the file. std::nullopt
    // removes the first matching key. New lines use the file's own line ends (CRLF for a file
    // that has none yet). The value is stored as storableValue gives it.
    WriteResult write(std::string_view section, std::string_view key,
                      std::optional<std::string_view> value);

    // What a fallback looks like after the profile functions copied it: cut at its first NUL,
    // trailing spaces dropped, cut at kMaxValueBytes.
    static std::string fallbackValue(std::string_view fallback);

    // The part of a value a single line can hold: without the blanks before it, as the profile
    // functions store it (else every rewrite would add them again), and up to its first NUL, CR
    // or LF. Stopping there keeps a stray line break from planting extra keys or sections.
    static std::string_view storableValue(std::string_view value);

    // Whether a name reads back as itself once written: no line break, and for a key no '=' and
    // not the shape of a section header (the line would parse as a different key or a section).
    static bool canStoreSection(std::string_view section);
    static bool canStoreKey(std::string_view key);

private:
    std::string m_bytes;
};

}  // namespace vistrel
