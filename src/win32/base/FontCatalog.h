#pragma once
#include <windows.h>

#include <map>
#include <set>
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
// relying on the system's font linking, which not every system does.
class FontCatalog {
public:
    explicit FontCatalog(int dpi);

    int dpi() const { return m_dpi; }

    // The font for spec, with its face replaced when that face is not installed.
    HFONT font(const FontSpec& spec);
    // The same size and weight in the first installed face that shows Chinese.
    HFONT cjkFont(const FontSpec& spec);

    bool isInstalled(const std::wstring& face) const;

private:
    std::wstring resolveFace(const std::wstring& face) const;
    HFONT create(const FontSpec& spec, const std::wstring& face);

    int m_dpi;
    std::set<std::wstring> m_installed;  // lower-cased family names
    std::wstring m_cjkFace;
    std::map<std::pair<FontSpec, bool>, UniqueFont> m_fonts;
};

}  // namespace vistrel::win32
