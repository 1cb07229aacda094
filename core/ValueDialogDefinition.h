// The small window in which the user types a value ("Saisir une valeur..."),
// laid out in twips like the others.
#pragma once

#include "Twips.h"

#include <string_view>

namespace bitloom::core::valueDialog {

inline constexpr std::string_view caption = "Saisir une valeur";
inline constexpr TwipsSize clientSize{4800, 1395};

struct Control {
    TwipsRect rect;
    std::string_view text;
};

// In tab order: the label's access key leads to the line that follows it.
inline constexpr Control valueLabel{{120, 120, 4560, 255},
                                  "&Valeur hexadécimale, ou ligne du fichier handling :"};
inline constexpr Control valueLine{{120, 420, 4560, 315}, {}};
inline constexpr Control okButton{{1920, 900, 1215, 375}, "OK"};
inline constexpr Control cancelButton{{3465, 900, 1215, 375}, "Annuler"};

} // namespace bitloom::core::valueDialog
