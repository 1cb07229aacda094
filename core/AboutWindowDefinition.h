// The About window as laid out in twips, and its text.
#pragma once

#include "Twips.h"

#include <string_view>

namespace bitloom::core::aboutWindow {

inline constexpr TwipsSize clientSize{4095, 3000};

inline constexpr TwipsRect closeButton{1200, 2520, 1695, 375};
inline constexpr std::string_view closeButtonCaption = "&Fermer";
inline constexpr TwipsRect textBox{120, 120, 3855, 2295};

// Eleven lines, each ending in CR LF; the third to fifth are one sentence
// broken by hand, and the last five are the credits.
inline constexpr std::string_view aboutText
    = "Bitloom\r\n"
      "\r\n"
      "Un utilitaire pour facilement créer les données \r\n"
      "hexadécimales pour utiliser les fonctions spéciales \r\n"
      "dans le handling.CFG.\r\n"
      "\r\n"
      "Programmation : l'équipe Bitloom, 2004\r\n"
      "(http://www.example.com/bitloom/)\r\n"
      "\r\n"
      "Traduction : les traducteurs de Bitloom, 2004\r\n"
      "(http://www.example.org/traduction/)\r\n";

} // namespace bitloom::core::aboutWindow
