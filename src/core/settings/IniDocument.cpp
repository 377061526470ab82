#include "settings/IniDocument.h"


#include <algorithm>

#include "settings/IniLine.h"
#include "settings/IniLookup.h"
#include "settings/LineSplitter.h"
#include "base/TextParsing.h"

namespace vistrel {
namespace {

std::size_t contentStart(std::string_view text)
{
    return text.starts_with(IniDocument::kByteOrderMark) ? IniDocument::kByteOrderMark.size() : 0;
}

template <typename OnLine>
void forEachLine(std::string_view text, OnLine&& onLine)
{
    const std::size_t start = contentStart(text);
    LineSplitter lines(start);
    if (lines.feed(text.substr(start), onLine)) lines.finish(onLine);
}

struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;   // the line end
    std::size_t next = 0;  // past the line end
};

// Where section/key lives in a text: the first matching key or, failing that, the line after
// which a new key belongs.
struct Location {
    bool sectionFound = false;
    std::optional<Span> key;
    std::optional<Span> lastContent;  // the section's last non-blank line (its header at least)
};

Location locate(std::string_view text, std::string_view section, std::string_view key)
{
    IniLookup lookup(section, key);
    Location found;
    forEachLine(text, [&](const LineSplitter::Line& line) {
        const Span span{line.begin, line.end, line.next};
        switch (lookup.take(line.text)) {
        case IniLookup::Role::Header:
        case IniLookup::Role::Content:
            found.lastContent = span;
            break;
        case IniLookup::Role::Match:
            found.key = span;
            break;
        case IniLookup::Role::Outside:
        case IniLookup::Role::End:
            break;
        }
        return !lookup.done();
    });
    found.sectionFound = lookup.sectionFound();
    return found;
}

std::string_view lineEndOf(std::string_view text)
{
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (text[at] == '\n') return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace

std::optional<std::string> IniDocument::read(std::string_view section, std::string_view key) const
{
    IniLookup lookup(section, key);
    forEachLine(m_bytes, [&](const LineSplitter::Line& line) {
        lookup.take(line.text);
        return !lookup.done();
    });
    return lookup.value();
}

IniDocument::WriteResult IniDocument::write(std::string_view section, std::string_view key,
                                            std::optional<std::string_view> value)
{
    if (!canStoreSection(section) || !canStoreKey(key)) return WriteResult::Rejected;
    section = IniLine::normalName(section);
    key = IniLine::normalName(key);
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
        const Span& line = *found.key;
        const std::string_view content = text.substr(line.begin, line.end - line.begin);
        const IniLine parsed = IniLine::parse(content);
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
    std::string_view text = IniLine::cutAtNul(fallback);
    while (text.size() > 1 && text.back() == ' ') text.remove_suffix(1);
    return std::string(text.substr(0, kMaxValueBytes));
}

std::string_view IniDocument::storableValue(std::string_view value)
{
    // The blanks go first, line breaks among them, as the profile functions drop them before
    // storing: "\r\n5" is stored as "5".
    value = IniLine::trimStart(IniLine::cutAtNul(value));
    return value.substr(0, std::min(value.find_first_of("\r\n"), value.size()));
}

bool IniDocument::canStoreSection(std::string_view section)
{
    return IniLine::normalName(section).find_first_of("\r\n") == std::string_view::npos;
}

bool IniDocument::canStoreKey(std::string_view key)
{
    const std::string_view name = IniLine::normalName(key);
    return name.find_first_of("\r\n=") == std::string_view::npos && IniLine::parse(name).kind != IniLine::Kind::Section;
}

}  // namespace vistrel
