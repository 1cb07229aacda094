#include "Fonts.h"

#include <cmath>
#include <cwchar>

namespace bitloom::win32 {

namespace {

// Windows' classic dialog font: "MS Shell Dlg", which Windows maps to
// Microsoft Sans Serif (MS Sans Serif before Windows 2000). Asked for by name
// first, so that a system that maps "MS Shell Dlg" elsewhere (Wine: Tahoma,
// a wider face) still draws the same font.
constexpr std::wstring_view dialogFamily = L"MS Shell Dlg";
constexpr std::wstring_view dialogFaces[] = {L"Microsoft Sans Serif", L"MS Sans Serif"};

UniqueFont createFont(std::wstring_view family, double points, core::Dpi dpi)
{
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi.value / 72.0));
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    // Outline fonts only: they scale with the resolution, where a bitmap face
    // of the same name jumps from one drawn size to the next.
    font.lfOutPrecision = OUT_TT_PRECIS;
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
    for (std::wstring_view face : dialogFaces) {
        if (fontFamilyInstalled(face))
            return createFont(face, points, dpi);
    }
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
    return dialogFont(static_cast<int>(points), dpi);
}

} // namespace bitloom::win32
