// Every text the command shows a person, in French like the window.
#pragma once

#include "GameProfile.h"
#include "flags/FlagsValueReader.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace bitloom::cli::messages {

inline constexpr std::string_view programName = "bitloom-flags";

std::string helpText();

// The text report's labels.
inline constexpr std::string_view noFlag = "aucun flag";
inline constexpr std::string_view valueLabel = "valeur : ";
inline constexpr std::string_view lineHeader = "ligne";
inline constexpr std::string_view identifierHeader = "identifiant";
inline constexpr std::string_view flagsHeader = "flags";
std::string scanSummary(std::size_t vehicles, std::size_t otherSectionLines);

std::string versionText(std::string_view version);
std::string usageHint();

// Usage mistakes.
std::string unknownCommand(std::string_view command);
std::string missingCommand();
std::string unknownOption(std::string_view option);
std::string missingGame();
std::string unknownGame(std::string_view game);
std::string missingOperands(std::string_view command);
std::string oneFileOnly();

// Bad values and names.
std::string valueProblem(std::string_view text, const flags::ValueReading &reading,
                         const GameProfile &game);
std::string unknownFlag(std::string_view name);
std::string flagNotInGame(std::string_view name, const GameProfile &game);

// Bad files and lines.
std::string fileNotFound();
std::string isDirectory();
std::string cannotOpen();
std::string readError();
std::string fileTooLarge(std::size_t maxBytes);
std::string binaryFile();
// A problem of one vehicle line, introduced by the vehicle's identifier.
std::string vehicleProblem(std::string_view identifier, std::string_view problem);
std::string tooFewFields(std::size_t fieldCount, const GameProfile &game);
std::string noEndMarker();

// Standard output could not be written (disk full, closed pipe).
std::string outputError();

} // namespace bitloom::cli::messages
