#pragma once

#include <string_view>

namespace bitloom::core {

// The standard report of an error that ended an event handler: this message,
// then what the error said. The program carries on afterwards.
inline constexpr std::string_view errorReportMessage
    = "Erreur d'exécution : l'opération en cours a été interrompue.";
inline constexpr std::string_view unknownErrorDetail = "Erreur inconnue.";

} // namespace bitloom::core
