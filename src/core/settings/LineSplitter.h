#pragma once
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace vistrel {

// Cuts text that may arrive in pieces into lines ending at LF, CRLF or a lone CR, as the profile
// functions do. Only a line that straddles two pieces is copied; the others are handed over as
// views into the piece. A CR at the end of a piece is held back until the next piece tells
// whether an LF follows.
class LineSplitter {
public:
    struct Line {
        std::string_view text;  // without the line end; valid during the callback only
        std::size_t begin;      // offsets in the whole text: the line's first byte,
        std::size_t end;        // its line end,
        std::size_t next;       // and the next line's first byte
    };

    // `offset` is where the first piece starts in the whole text.
    explicit LineSplitter(std::size_t offset = 0) : m_offset(offset) {}

    // Hands every line completed by `piece` to onLine(const Line&) -> bool. Returns false as soon
    // as onLine does, which ends the splitting.
    template <typename OnLine>
    bool feed(std::string_view piece, OnLine&& onLine);

    // Hands over the last line when the text does not end with a line end.
    template <typename OnLine>
    void finish(OnLine&& onLine);

private:
    bool emitPending(std::size_t end, std::size_t next, auto& onLine)
    {
        const bool more = onLine(Line{m_pending, m_pendingBegin, end, next});
        m_pending.clear();
        m_hasPending = false;
        return more;
    }

    std::size_t m_offset;
    std::string m_pending;  // start of a line whose end has not arrived yet
    bool m_hasPending = false;
    std::size_t m_pendingBegin = 0;
    bool m_crHeld = false;  // the pending line ended with a CR at the end of the last piece
    std::size_t m_crAt = 0;
};

template <typename OnLine>
bool LineSplitter::feed(std::string_view piece, OnLine&& onLine)
{
    if (piece.empty()) return true;
    std::size_t pos = 0;
    if (m_crHeld) {
        m_crHeld = false;
        pos = piece.front() == '\n' ? 1 : 0;
        if (!emitPending(m_crAt, m_offset + pos, onLine)) return false;
    }
    // The next CR and LF are remembered so that a text using only one of them is still cut in
    // linear time.
    auto find = [&](char c, std::size_t from) {
        const void* hit = std::memchr(piece.data() + from, c, piece.size() - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - piece.data()) : piece.size();
    };
    std::size_t cr = find('\r', pos);
    std::size_t lf = find('\n', pos);
    while (pos < piece.size()) {
        if (cr < pos) cr = find('\r', pos);
        if (lf < pos) lf = find('\n', pos);
        const std::size_t at = cr < lf ? cr : lf;
        if (at == piece.size()) break;
        const std::string_view part = piece.substr(pos, at - pos);
        if (piece[at] == '\r' && at + 1 == piece.size()) {
            if (!m_hasPending) m_pendingBegin = m_offset + pos;
            m_pending.append(part);
            m_hasPending = m_crHeld = true;
            m_crAt = m_offset + at;
            m_offset += piece.size();
            return true;
        }
        const std::size_t next = at + (piece[at] == '\r' && piece[at + 1] == '\n' ? 2 : 1);
        bool more = true;
        if (m_hasPending) {
            m_pending.append(part);
            more = emitPending(m_offset + at, m_offset + next, onLine);
        } else {
            more = onLine(Line{part, m_offset + pos, m_offset + at, m_offset + next});
        }
        if (!more) return false;
        pos = next;
    }
    if (pos < piece.size()) {
        if (!m_hasPending) m_pendingBegin = m_offset + pos;
        m_pending.append(piece.substr(pos));
        m_hasPending = true;
    }
    m_offset += piece.size();
    return true;
}

template <typename OnLine>
void LineSplitter::finish(OnLine&& onLine)
{
    if (m_crHeld) {
        m_crHeld = false;
        emitPending(m_crAt, m_crAt + 1, onLine);
    } else if (m_hasPending) {
        emitPending(m_offset, m_offset, onLine);
    }
}

}  // namespace vistrel
