#include "FontList.h"

#include <windows.h>

#include "base/UniqueHandle.h"

namespace vistrel::wininspect {
namespace {

int CALLBACK appendFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM families)
{
    reinterpret_cast<std::set<std::wstring>*>(families)->insert(font->lfFaceName);
    return 1;
}

}  // namespace

std::set<std::wstring> fontFamilies()
{
    std::set<std::wstring> families;
    const win32::WindowDc screen(nullptr);
    if (!screen) return families;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;  // every family once per charset; the set folds the repeats
    EnumFontFamiliesExW(screen.get(), &query, appendFamily, reinterpret_cast<LPARAM>(&families), 0);
    return families;
}

}  // namespace vistrel::wininspect
