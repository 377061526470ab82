#pragma once
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// What a piece of text is drawn in: the face the design names, its size and weight.
struct FontSpec {
    std::wstring face;
    double points = 9.0;
    bool bold = false;
    BYTE charset = DEFAULT_CHARSET;

    friend bool operator<(const FontSpec& a, const FontSpec& b)
    {
        return std::tie(a.face, a.points, a.bold, a.charset) < std::tie(b.face, b.points, b.bold, b.charset);
    }
};

// Owns the program's fonts and knows which faces are installed, so that a run of text the named
// face cannot show (Chinese in "Consolas", say) is drawn in a face that has the glyphs instead of
// relying on the system's font linking, which not every system does. Fonts are made for the
// density of the window that draws them; windows on monitors of different densities share the
// catalog.
//
// Faces are looked up one name at a time, when a font first needs them: listing every installed
// family makes the system open every font file (Wine keeps the pages it read), most of which the
// program never draws with.
class FontCatalog {
public:
    // The font for spec at dpi, with its face replaced when that face is not installed.
    HFONT font(const FontSpec& spec, int dpi);
    // The same size and weight in the first installed face that shows Chinese.
    HFONT cjkFont(const FontSpec& spec, int dpi);

    bool isInstalled(const std::wstring& face) const;

private:
    std::wstring resolveFace(const std::wstring& face) const;
    const std::wstring& cjkFace();
    static HFONT create(const FontSpec& spec, const std::wstring& face, int dpi);

    mutable std::map<std::wstring, bool> m_installed;  // answers so far, by lower-cased family name
    std::optional<std::wstring> m_cjkFace;              // empty when no face with the glyphs is installed
    std::map<std::tuple<FontSpec, bool, int>, UniqueFont> m_fonts;  // by spec, Chinese face, dpi
};

}  // namespace vistrel::win32
