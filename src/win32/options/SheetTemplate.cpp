#include "options/SheetTemplate.h"

#include <cstring>

namespace vistrel::win32 {
namespace {

// Where the fields sit, in WORDs from the start of each form: DLGTEMPLATEEX begins with its version
// (1) and the signature 0xFFFF; DLGTEMPLATE with its style.
constexpr int kExtendedStyle = 6;
constexpr int kExtendedMenu = 13;
constexpr int kPlainStyle = 0;
constexpr int kPlainMenu = 9;

// A menu or class field: none, an ordinal, or a string.
WORD* skipNameOrOrdinal(WORD* field)
{
    if (*field == 0x0000) return field + 1;
    if (*field == 0xFFFF) return field + 2;
    while (*field) ++field;
    return field + 1;
}

WORD* skipString(WORD* text)
{
    while (*text) ++text;
    return text + 1;
}

}  // namespace

void adjustSheetTemplate(void* dialogTemplate, WORD pointSize)
{
    auto* words = static_cast<WORD*>(dialogTemplate);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    WORD* styleField = words + (extended ? kExtendedStyle : kPlainStyle);
    DWORD style = 0;
    std::memcpy(&style, styleField, sizeof style);
    const DWORD hidden = style & ~WS_VISIBLE;
    std::memcpy(styleField, &hidden, sizeof hidden);
    if (!(style & DS_SETFONT)) return;
    WORD* title = skipNameOrOrdinal(skipNameOrOrdinal(words + (extended ? kExtendedMenu : kPlainMenu)));
    *skipString(title) = pointSize;
}

}  // namespace vistrel::win32
