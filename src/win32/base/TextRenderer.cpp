#include "base/TextRenderer.h"

#include <algorithm>
#include <string>

namespace vistrel::win32 {
namespace {

bool isWide(wchar_t c)
{
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool isClosingPunctuation(wchar_t c)
{
    // ，。：；！？、） and their ASCII kin.
    constexpr std::wstring_view kClosing =
        L"\uFF0C\u3002\uFF1A\uFF1B\uFF01\uFF1F\u3001\uFF09,.:;!?)";  // not user text: line-breaking rules
    return kClosing.find(c) != std::wstring_view::npos;
}

int textWidth(HDC dc, HFONT font, std::wstring_view text)
{
    SelectObjectScope select(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace

std::vector<TextRenderer::Piece> TextRenderer::split(HDC dc, const FontSpec& font, std::wstring_view text)
{
    std::vector<WORD> glyphs(text.size());
    {
        SelectObjectScope select(dc, runFont(font, false));
        GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    }
    std::vector<Piece> pieces;
    size_t i = 0;
    while (i < text.size()) {
        const wchar_t c = text[i];
        const bool missing = glyphs[i] == 0xFFFF;
        Piece piece;
        if (c == L' ') {
            size_t j = i;
            while (j < text.size() && text[j] == L' ') ++j;
            piece = {text.substr(i, j - i), false, true, false};
            i = j;
        } else if (isWide(c) || missing) {
            // One wide character at a time: a line may break between any two of them.
            piece = {text.substr(i, 1), missing, false, isClosingPunctuation(c)};
            ++i;
        } else {
            size_t j = i;
            while (j < text.size() && text[j] != L' ' && !isWide(text[j]) && glyphs[j] != 0xFFFF) ++j;
            piece = {text.substr(i, j - i), false, false, isClosingPunctuation(c)};
            i = j;
        }
        piece.width = textWidth(dc, runFont(font, piece.cjk), piece.text);
        pieces.push_back(piece);
    }
    return pieces;
}

std::vector<TextRenderer::Line> TextRenderer::layout(std::vector<Piece> pieces, int maxWidth, bool wrap) const
{
    std::vector<Line> lines(1);
    for (const Piece& piece : pieces) {
        Line* line = &lines.back();
        const bool overflows = wrap && line->width + piece.width > maxWidth && !line->pieces.empty();
        if (overflows && !piece.space) {
            // Closing punctuation stays with the character before it.
            Line next;
            if (piece.glue && line->pieces.size() > 1 && !line->pieces.back().space) {
                next.pieces.push_back(line->pieces.back());
                next.width = line->pieces.back().width;
                line->width -= line->pieces.back().width;
                line->pieces.pop_back();
            }
            while (!line->pieces.empty() && line->pieces.back().space) {
                line->width -= line->pieces.back().width;
                line->pieces.pop_back();
            }
            lines.push_back(std::move(next));
            line = &lines.back();
        }
        if (piece.space && line->pieces.empty() && lines.size() > 1) continue;  // no blank at a line start
        line->pieces.push_back(piece);
        line->width += piece.width;
    }
    return lines;
}

int TextRenderer::lineHeight(HDC dc, const FontSpec& font, bool anyCjk)
{
    auto height = [&](HFONT f) {
        SelectObjectScope select(dc, f);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        return static_cast<int>(tm.tmHeight);
    };
    const int primary = height(runFont(font, false));
    return anyCjk ? std::max(primary, height(runFont(font, true))) : primary;
}

SIZE TextRenderer::measure(HDC dc, const FontSpec& font, std::wstring_view text)
{
    const auto pieces = split(dc, font, text);
    SIZE size{0, 0};
    bool anyCjk = false;
    for (const Piece& p : pieces) {
        size.cx += p.width;
        anyCjk = anyCjk || p.cjk;
    }
    size.cy = lineHeight(dc, font, anyCjk);
    return size;
}

void TextRenderer::draw(HDC dc, const TextStyle& style, std::wstring_view text, const RECT& box)
{
    if (text.empty()) return;
    const auto pieces = split(dc, style.font, text);
    const bool anyCjk = std::any_of(pieces.begin(), pieces.end(), [](const Piece& p) { return p.cjk; });
    const auto lines = layout(pieces, box.right - box.left, style.wrap);
    // Wrapped lines step by the font's size plus a little, as the design's boxes assume; Chinese
    // fallback faces carry much more leading than that.
    const int emPixels = static_cast<int>(style.font.points * m_dpi / 72.0 + 0.5);
    const int height = lines.size() > 1 ? emPixels + emPixels / 6 : lineHeight(dc, style.font, anyCjk);

    const int saved = SaveDC(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, style.colour);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);

    // Runs in different faces share one baseline: the deeper of the two ascents.
    auto ascent = [&](HFONT f) {
        SelectObjectScope select(dc, f);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        return static_cast<int>(tm.tmAscent);
    };
    const int baseline = anyCjk ? std::max(ascent(runFont(style.font, false)), ascent(runFont(style.font, true)))
                                : ascent(runFont(style.font, false));

    const int total = height * static_cast<int>(lines.size());
    int y = box.top + (style.verticalCentre ? (box.bottom - box.top - total) / 2 : 0);
    for (const Line& line : lines) {
        int x = box.left;
        if (style.align == TextStyle::Align::Centre) x += (box.right - box.left - line.width) / 2;
        for (const Piece& piece : line.pieces) {
            SelectObjectScope select(dc, runFont(style.font, piece.cjk));
            ExtTextOutW(dc, x, y + baseline, 0, nullptr, piece.text.data(), static_cast<UINT>(piece.text.size()),
                        nullptr);
            x += piece.width;
        }
        y += height;
    }
    RestoreDC(dc, saved);
}

}  // namespace vistrel::win32
