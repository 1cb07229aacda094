#include "Fonts.h"

#include <cmath>
#include <cwchar>

namespace bitloom::win32 {

namespace {

constexpr std::wstring_view dialogFamily = L"MS Shell Dlg 2";

UniqueFont createFont(std::wstring_view family, double points, core::Dpi dpi)
{
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi.value / 72.0));
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&font));
}

int CALLBACK foundFamily(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

} // namespace

UniqueFont dialogFont(int points, core::Dpi dpi)
{
    return createFont(dialogFamily, points, dpi);
}

bool fontFamilyInstalled(std::wstring_view family)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const WindowDeviceContext screen = windowDeviceContext(nullptr);
    EnumFontFamiliesExW(screen.get(), &wanted, foundFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

UniqueFont firstInstalledFont(std::initializer_list<std::wstring_view> families, double points,
                              core::Dpi dpi)
{
    for (std::wstring_view family : families) {
        if (fontFamilyInstalled(family))
            return createFont(family, points, dpi);
    }
    return createFont(dialogFamily, points, dpi);
}

} // namespace bitloom::win32
