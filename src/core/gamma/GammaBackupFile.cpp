#include "gamma/GammaBackupFile.h"

#include <cstdint>

namespace vistrel {
namespace {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool isLineBreak(char c) { return c == '\r' || c == '\n'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool endsNumber(char c) { return isBlank(c) || isLineBreak(c) || c == ','; }

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";  // not user text: a file format mark

// Reads the text one number at a time; every method leaves m_pos just past what it consumed.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text)
    {
        // Editors on Windows like to start a UTF-8 file with a byte-order mark.
        if (m_text.starts_with(kUtf8Bom)) m_pos = kUtf8Bom.size();
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    std::size_t position() const { return m_pos; }

    // Blanks and line breaks with at most one comma among them. A second comma would mean an
    // empty field, which is a missing number rather than a separator.
    bool skipSeparator()
    {
        int commas = 0;
        for (; !atEnd(); ++m_pos) {
            const char c = m_text[m_pos];
            if (c == ',') {
                if (++commas > 1) return false;
            } else if (!isBlank(c) && !isLineBreak(c)) {
                break;
            }
        }
        return true;
    }

    // Nothing but blanks and line breaks may come before the first number.
    void skipLeadingSpace()
    {
        while (!atEnd() && (isBlank(m_text[m_pos]) || isLineBreak(m_text[m_pos]))) ++m_pos;
    }

    struct Number {
        GammaBackupFile::Error error = GammaBackupFile::Error::None;
        std::uint16_t entry = 0;
    };

    // The last number may be followed by anything (an end-of-file byte 0x1A, a stray ';'), since
    // nothing after it is read; any other must end at a separator.
    Number readNumber(bool last)
    {
        const bool negative = !atEnd() && m_text[m_pos] == '-';
        if (negative) ++m_pos;
        // Saturate well above the accepted range so that a long run of digits cannot overflow.
        constexpr std::int32_t kCap = 1'000'000;
        std::int32_t magnitude = 0;
        std::size_t digits = 0;
        for (; !atEnd() && isDigit(m_text[m_pos]); ++m_pos, ++digits)
            if (magnitude < kCap) magnitude = magnitude * 10 + (m_text[m_pos] - '0');
        if (digits == 0 || (!last && !atEnd() && !endsNumber(m_text[m_pos])))
            return {GammaBackupFile::Error::NotANumber, 0};
        const std::int32_t value = negative ? -magnitude : magnitude;
        if (value < INT16_MIN || value > INT16_MAX) return {GammaBackupFile::Error::OutOfRange, 0};
        return {GammaBackupFile::Error::None, static_cast<std::uint16_t>(value & 0xFFFF)};
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

GammaBackupFile::Result failure(GammaBackupFile::Error error, std::size_t position)
{
    return {std::nullopt, error, position};
}

}  // namespace

GammaBackupFile::Result GammaBackupFile::parse(std::string_view text)
{
    Reader reader(text);
    reader.skipLeadingSpace();
    GammaRamp ramp;
    for (std::size_t k = 0; k < kNumbers; ++k) {
        if (k > 0 && !reader.skipSeparator()) return failure(Error::NotANumber, reader.position());
        if (reader.atEnd()) return failure(Error::TooFewNumbers, reader.position());
        const std::size_t start = reader.position();
        const Reader::Number number = reader.readNumber(k + 1 == kNumbers);
        if (number.error != Error::None) return failure(number.error, start);
        // The file lists red, green, blue per entry; the ramp keeps one table per channel.
        ramp.at(k % GammaRamp::kChannels, k / GammaRamp::kChannels) = number.entry;
    }
    return {ramp, Error::None, reader.position()};
}

}  // namespace vistrel
