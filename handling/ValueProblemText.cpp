#include "ValueProblemText.h"

#include "MessageText.h"
#include "flags/FlagsValue.h"

#include <fmt/format.h>

namespace bitloom::handling {

namespace {

std::string badCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte < 0x7F)
        return fmt::format("caractère non hexadécimal '{}'", c);
    return fmt::format("octet non hexadécimal 0x{:02X}", byte);
}

std::string gameReads(const flags::ValueReading &reading)
{
    if (reading.gameValue)
        return fmt::format("le jeu lirait {}", flags::hexText(*reading.gameValue));
    return "le jeu ne lirait aucune valeur sûre";
}

} // namespace

std::string valueProblemText(std::string_view text, const flags::ValueReading &reading,
                             const GameProfile &game)
{
    switch (reading.problem) {
    case flags::ValueProblem::None:
        break;
    case flags::ValueProblem::Empty:
        return "valeur vide";
    case flags::ValueProblem::NoDigits:
        return fmt::format("valeur {} : aucun chiffre après 0x ; {}", quoted(text),
                           gameReads(reading));
    case flags::ValueProblem::NotHex:
        return fmt::format("valeur {} : {} en position {} ; {}", quoted(text),
                           badCharacter(text[reading.badOffset]), reading.badOffset + 1,
                           gameReads(reading));
    case flags::ValueProblem::AboveFlags:
        return fmt::format(
            "valeur {} : bits {} au-delà des {} ; le jeu les ignore et lit les "
            "flags {}",
            quoted(text), flags::hexText(reading.value & ~game.flags().allowedBits()),
            gameFlags(game), flags::hexText(reading.value & game.flags().allowedBits()));
    case flags::ValueProblem::Above32Bits:
        return fmt::format("valeur {} : plus de 32 bits ; {}", quoted(text), gameReads(reading));
    }
    return {};
}

} // namespace bitloom::handling
