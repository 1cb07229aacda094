#include "Fonts.h"

#include "text/Utf16.h"

#include <array>
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

// The family's font, or null where the system lacks the family: GDI then
// gives the face it maps the name to, whose name differs. Asking for the
// font itself costs less than listing the system's families (under Wine,
// listing a family loads its faces).
UniqueFont installedFont(std::wstring_view family, double points, core::Dpi dpi)
{
    UniqueFont font = createFont(family, points, dpi);
    const WindowDeviceContext screen = windowDeviceContext(nullptr);
    const SelectedObject selected(screen.get(), font.get());
    std::array<wchar_t, LF_FACESIZE> face{};
    GetTextFaceW(screen.get(), LF_FACESIZE, face.data());
    const bool same = family.size() < LF_FACESIZE
                      && CompareStringOrdinal(face.data(), -1, family.data(),
                                              static_cast<int>(family.size()), TRUE)
                             == CSTR_EQUAL;
    return same ? std::move(font) : nullptr;
}

} // namespace

UniqueFont dialogFont(int points, core::Dpi dpi)
{
    for (std::wstring_view face : dialogFaces) {
        if (UniqueFont font = installedFont(face, points, dpi))
            return font;
    }
    return createFont(dialogFamily, points, dpi);
}

bool fontFamilyInstalled(std::string_view family)
{
    return installedFont(text::wideFromUtf8(family), 8, core::standardDpi) != nullptr;
}

UniqueFont firstInstalledFont(std::initializer_list<std::string_view> families, double points,
                              core::Dpi dpi)
{
    for (std::string_view family : families) {
        if (UniqueFont font = installedFont(text::wideFromUtf8(family), points, dpi))
            return font;
    }
    return dialogFont(static_cast<int>(points), dpi);
}

} // namespace bitloom::win32
