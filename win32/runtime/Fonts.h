// The fonts the windows are drawn with, created at a window's resolution.
#pragma once

#include "Handles.h"
#include "core/Twips.h"

#include <initializer_list>
#include <string_view>

namespace bitloom::win32 {

// The Windows dialog font ("MS Shell Dlg 2", Tahoma on every Windows since
// 2000) at the given size.
UniqueFont dialogFont(int points, core::Dpi dpi);

// The first of the families that is installed, at the given size; the dialog
// font's family where none is.
UniqueFont firstInstalledFont(std::initializer_list<std::wstring_view> families, double points,
                              core::Dpi dpi);

bool fontFamilyInstalled(std::wstring_view family);

} // namespace bitloom::win32
