#include "base/FontCatalog.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <initializer_list>

namespace vistrel::win32 {
namespace {

std::wstring lower(std::wstring s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return s;
}

int CALLBACK stopAtFirst(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Faces that carry the Chinese glyphs, best first: Windows' own, then those common elsewhere.
constexpr std::initializer_list<const wchar_t*> kCjkFaces = {
    L"Microsoft YaHei UI", L"Microsoft YaHei",
    L"\u5FAE\u8F6F\u96C5\u9ED1",  // not user text: the Chinese name of Microsoft YaHei
    L"SimSun", L"NSimSun",
    L"Noto Sans CJK SC", L"Noto Sans SC", L"Source Han Sans SC", L"WenQuanYi Micro Hei",
    L"WenQuanYi Zen Hei", L"Droid Sans Fallback", L"Arial Unicode MS", L"MS Gothic"};

// Latin stand-ins when a named face is missing: a monospace for Consolas, a sans otherwise.
constexpr std::initializer_list<const wchar_t*> kMonoFaces = {L"Consolas", L"Lucida Console", L"Courier New",
                                                               L"DejaVu Sans Mono", L"Liberation Mono"};
constexpr std::initializer_list<const wchar_t*> kSansFaces = {L"Segoe UI", L"Tahoma", L"Arial",
                                                               L"DejaVu Sans", L"Liberation Sans"};

}  // namespace

bool FontCatalog::isInstalled(const std::wstring& face) const
{
    auto [known, added] = m_installed.try_emplace(lower(face), false);
    if (!added) return known->second;
    WindowDc screen(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy_s(query.lfFaceName, face.c_str(), _TRUNCATE);
    EnumFontFamiliesExW(screen.get(), &query, stopAtFirst, reinterpret_cast<LPARAM>(&known->second), 0);
    return known->second;
}

const std::wstring& FontCatalog::cjkFace()
{
    if (!m_cjkFace) {
        m_cjkFace.emplace();
        for (const wchar_t* face : kCjkFaces) {
            if (isInstalled(face)) {
                m_cjkFace = face;
                break;
            }
        }
    }
    return *m_cjkFace;
}

std::wstring FontCatalog::resolveFace(const std::wstring& face) const
{
    if (isInstalled(face)) return face;
    const bool mono = lower(face) == L"consolas";
    for (const wchar_t* candidate : mono ? kMonoFaces : kSansFaces)
        if (isInstalled(candidate)) return candidate;
    return face;  // let the font mapper choose
}

HFONT FontCatalog::create(const FontSpec& spec, const std::wstring& face, int dpi)
{
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(spec.points * dpi / 72.0));
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = spec.charset;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    wcsncpy_s(lf.lfFaceName, face.c_str(), _TRUNCATE);
    return CreateFontIndirectW(&lf);
}

HFONT FontCatalog::font(const FontSpec& spec, int dpi)
{
    auto& slot = m_fonts[{spec, false, dpi}];
    if (!slot) slot.reset(create(spec, resolveFace(spec.face), dpi));
    return slot.get();
}

HFONT FontCatalog::cjkFont(const FontSpec& spec, int dpi)
{
    auto& slot = m_fonts[{spec, true, dpi}];
    if (!slot) {
        FontSpec cjk = spec;
        cjk.charset = GB2312_CHARSET;
        slot.reset(create(cjk, cjkFace().empty() ? resolveFace(spec.face) : cjkFace(), dpi));
    }
    return slot.get();
}

}  // namespace vistrel::win32
