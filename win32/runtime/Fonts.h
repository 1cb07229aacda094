// The fonts the windows are drawn with, created at a window's resolution.
#pragma once

#include "Handles.h"
#include "core/Twips.h"

#include <initializer_list>
#include <string_view>

namespace bitloom::win32 {

// Windows' dialog font ("MS Shell Dlg": Microsoft Sans Serif) at the given
// size. The windows are laid out for its metrics, those of the classic
// dialog font; Tahoma ("MS Shell Dlg 2") is wider, and would cut their texts.
UniqueFont dialogFont(int points, core::Dpi dpi);

// The first of the families that is installed, at the given size; the dialog
// font where none is.
UniqueFont firstInstalledFont(std::initializer_list<std::string_view> families, double points,
                              core::Dpi dpi);

bool fontFamilyInstalled(std::string_view family);

} // namespace bitloom::win32
