#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "base/FontCatalog.h"

namespace vistrel::win32 {
namespace {

int CALLBACK keepFirst(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM name)
{
    if (lf->lfFaceName[0] == L'@') return 1;  // vertical twins have no family of their own
    *reinterpret_cast<std::wstring*>(name) = lf->lfFaceName;
    return 0;
}

TEST(FontCatalog, KnowsAnInstalledFamilyInAnyCaseAndNoMadeUpOne)
{
    std::wstring family;
    WindowDc screen(nullptr);
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen.get(), &all, keepFirst, reinterpret_cast<LPARAM>(&family), 0);
    if (family.empty()) GTEST_SKIP() << "no font is installed here";
    std::wstring upper = family;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](wchar_t c) { return std::towupper(c); });

    FontCatalog fonts;
    for (int twice = 0; twice < 2; ++twice) {  // the second answers come from what was learnt
        EXPECT_TRUE(fonts.isInstalled(family)) << family.c_str();
        EXPECT_TRUE(fonts.isInstalled(upper));
        EXPECT_FALSE(fonts.isInstalled(L"Vistrel No Such Face"));
    }
}

}  // namespace
}  // namespace vistrel::win32
