#include "app/IniDocument.h"

#include <algorithm>
#include <cstring>

namespace vistrel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimEnd(std::string_view text)
{
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return trimEnd(text);
}

std::string_view cutAtNul(std::string_view text)
{
    return text.substr(0, std::min(text.find('\0'), text.size()));
}

// A name as the profile functions compare it: a C string, trimmed.
std::string_view normalName(std::string_view name) { return trim(cutAtNul(name)); }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::size_t contentStart(std::string_view text)
{
    return text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

// One physical line: [begin, end) is its text, [end, next) its line end (empty at end of file).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

// Walks the lines of a text in one pass. The next CR and LF positions are remembered so that a
// file using only one of them is still scanned in linear time.
class LineScanner {
public:
    explicit LineScanner(std::string_view text)
        : m_text(text), m_pos(contentStart(text)), m_cr(find('\r')), m_lf(find('\n'))
    {
    }

    bool next(Line& line)
    {
        if (m_pos >= m_text.size()) return false;
        if (m_cr < m_pos) m_cr = find('\r');
        if (m_lf < m_pos) m_lf = find('\n');
        const std::size_t end = std::min(m_cr, m_lf);
        line.begin = m_pos;
        line.end = end;
        if (end == m_text.size()) line.next = end;
        else if (m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n') line.next = end + 2;
        else line.next = end + 1;
        m_pos = line.next;
        return true;
    }

private:
    std::size_t find(char c) const
    {
        const void* hit = std::memchr(m_text.data() + m_pos, c, m_text.size() - m_pos);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - m_text.data()) : m_text.size();
    }

    std::string_view m_text;
    std::size_t m_pos;
    std::size_t m_cr;  // next CR at or after m_pos, or the text's size
    std::size_t m_lf;
};

// The section name if the line is a section header.
std::optional<std::string_view> sectionHeader(std::string_view content)
{
    const std::string_view text = trim(content);
    if (!text.starts_with('[')) return std::nullopt;
    const std::size_t close = text.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return normalName(text.substr(1, close - 1));
}

struct KeyLine {
    std::string_view name;
    std::optional<std::string_view> value;  // trimmed; missing when the line has no '='
    std::size_t valueOffset = 0;            // where the value starts, from the line's beginning
};

KeyLine keyLine(std::string_view content)
{
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) return {normalName(content), std::nullopt, content.size()};
    std::size_t valueOffset = equals + 1;
    while (valueOffset < content.size() && isBlank(content[valueOffset])) ++valueOffset;
    return {normalName(content.substr(0, equals)), trim(content.substr(equals + 1)), valueOffset};
}

// Where section/key lives in a text: the first matching section, and in it the first matching
// key or, failing that, the line after which a new key belongs.
struct Location {
    bool sectionFound = false;
    std::optional<Line> key;
    std::optional<Line> lastContent;  // the section's last non-blank line (its header at least)
};

Location locate(std::string_view text, std::string_view section, std::string_view key)
{
    Location found;
    // Lines before the first header belong to the section "", which therefore always exists
    // and always comes first.
    bool inSection = section.empty();
    found.sectionFound = inSection;
    Line line;
    LineScanner lines(text);
    while (lines.next(line)) {
        const std::string_view content = text.substr(line.begin, line.end - line.begin);
        if (const auto header = sectionHeader(content)) {
            if (inSection) break;  // only the first matching section counts
            if (sameName(*header, section)) {
                inSection = found.sectionFound = true;
                found.lastContent = line;
            }
            continue;
        }
        if (!inSection || trim(content).empty()) continue;
        found.lastContent = line;
        if (sameName(keyLine(content).name, key)) {
            found.key = line;
            break;
        }
    }
    return found;
}

std::string_view lineEndOf(std::string_view text)
{
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (text[at] == '\n') return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

// The profile functions strip one pair of quotes while copying into the caller's buffer, and
// look for the closing quote only when the rest of the value fits it; a value of exactly
// 256 bytes after the opening quote thus loses its last character too.
std::string profileValue(std::string_view value)
{
    constexpr std::size_t kBufferSize = IniDocument::kMaxValueBytes + 1;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (!quoted) return std::string(value.substr(0, IniDocument::kMaxValueBytes));
    const std::string_view rest = value.substr(1);
    std::string copied(rest.substr(0, IniDocument::kMaxValueBytes));
    if (rest.size() <= kBufferSize) copied.pop_back();
    return copied;
}

}  // namespace

std::optional<std::string> IniDocument::read(std::string_view section, std::string_view key) const
{
    const std::string_view text = m_bytes;
    const Location found = locate(text, normalName(section), normalName(key));
    if (!found.key) return std::nullopt;
    const Line& line = *found.key;
    const auto value = keyLine(text.substr(line.begin, line.end - line.begin)).value;
    if (!value) return std::nullopt;
    return profileValue(cutAtNul(*value));
}

IniDocument::WriteResult IniDocument::write(std::string_view section, std::string_view key,
                                            std::optional<std::string_view> value)
{
    if (!canStoreSection(section) || !canStoreKey(key)) return WriteResult::Rejected;
    section = normalName(section);
    key = normalName(key);
    const std::string_view text = m_bytes;
    const Location found = locate(text, section, key);

    if (!value) {
        if (!found.key) return WriteResult::Unchanged;
        m_bytes.erase(found.key->begin, found.key->next - found.key->begin);
        return WriteResult::Changed;
    }

    const std::string_view stored = storableValue(*value);
    const std::string_view eol = lineEndOf(text);

    if (found.key) {
        const Line& line = *found.key;
        const std::string_view content = text.substr(line.begin, line.end - line.begin);
        const KeyLine parsed = keyLine(content);
        if (parsed.value && *parsed.value == stored) return WriteResult::Unchanged;
        // Keep the line's own spelling of the key and its spacing around '='.
        std::string replacement;
        if (parsed.value) {
            replacement.assign(content.substr(0, parsed.valueOffset));
        } else {
            replacement.assign(trimEnd(content));
            replacement += '=';
        }
        replacement += stored;
        m_bytes.replace(line.begin, line.end - line.begin, replacement);
        return WriteResult::Changed;
    }

    std::string newLines;
    std::size_t at = 0;
    if (found.sectionFound) {
        at = found.lastContent ? found.lastContent->next : contentStart(text);
        if (found.lastContent && found.lastContent->next == found.lastContent->end) newLines += eol;
    } else {
        at = text.size();
        if (text.size() > contentStart(text) && text.back() != '\n' && text.back() != '\r') newLines += eol;
        newLines.append("[").append(section).append("]").append(eol);
    }
    newLines.append(key).append("=").append(stored).append(eol);
    m_bytes.insert(at, newLines);
    return WriteResult::Changed;
}

std::string IniDocument::fallbackValue(std::string_view fallback)
{
    std::string_view text = cutAtNul(fallback);
    while (text.size() > 1 && text.back() == ' ') text.remove_suffix(1);
    return std::string(text.substr(0, kMaxValueBytes));
}

std::string_view IniDocument::storableValue(std::string_view value)
{
    return value.substr(0, std::min(value.find_first_of(std::string_view("\0\r\n", 3)), value.size()));
}

bool IniDocument::canStoreSection(std::string_view section)
{
    return normalName(section).find_first_of("\r\n") == std::string_view::npos;
}

bool IniDocument::canStoreKey(std::string_view key)
{
    const std::string_view name = normalName(key);
    return name.find_first_of("\r\n=") == std::string_view::npos && !sectionHeader(name);
}

}  // namespace vistrel
