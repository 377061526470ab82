#pragma once
#include <windows.h>

#include <string_view>
#include <vector>

#include "base/FontCatalog.h"

namespace vistrel::win32 {

struct TextStyle {
    enum class Align { Left, Centre };

    FontSpec font;
    COLORREF colour = RGB(0, 0, 0);
    Align align = Align::Left;
    bool wrap = false;
    bool verticalCentre = false;
};

// Draws label texts the way the program's labels look: each run in the named face where that face
// has the glyphs and in a Chinese face where it has not, wrapped at word or character bounds. A
// renderer draws at one density, its window's.
class TextRenderer {
public:
    TextRenderer(FontCatalog& fonts, int dpi) : m_fonts(fonts), m_dpi(dpi) {}

    FontCatalog& fonts() const { return m_fonts; }
    int dpi() const { return m_dpi; }
    void setDpi(int dpi) { m_dpi = dpi; }
    // The font a run is drawn in: the named face's, or the Chinese face's.
    HFONT runFont(const FontSpec& spec, bool cjk) const
    {
        return cjk ? m_fonts.cjkFont(spec, m_dpi) : m_fonts.font(spec, m_dpi);
    }

    // Size of the text on one line (no wrapping).
    SIZE measure(HDC dc, const FontSpec& font, std::wstring_view text);
    // Draws with a transparent background, clipped to box.
    void draw(HDC dc, const TextStyle& style, std::wstring_view text, const RECT& box);

private:
    struct Piece {
        std::wstring_view text;
        bool cjk = false;    // drawn in the Chinese face
        bool space = false;  // a blank that may end a line and is dropped there
        bool glue = false;   // may not start a line (closing punctuation)
        int width = 0;
    };
    struct Line {
        std::vector<Piece> pieces;
        int width = 0;
    };

    std::vector<Piece> split(HDC dc, const FontSpec& font, std::wstring_view text);
    std::vector<Line> layout(std::vector<Piece> pieces, int maxWidth, bool wrap) const;
    int lineHeight(HDC dc, const FontSpec& font, bool anyCjk);

    FontCatalog& m_fonts;
    int m_dpi;
};

}  // namespace vistrel::win32
