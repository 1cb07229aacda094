// The texts the commands show a person, in French like the window; each
// file check keeps its own texts beside it.
#pragma once

#include "GameProfile.h"
#include "Problem.h"
#include "flags/FlagsValueReader.h"

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace bitloom::cli::messages {

inline constexpr std::string_view programName = "bitloom-flags";
// How a file operand names the standard input, and how messages name it.
inline constexpr std::string_view standardInput = "-";

std::string helpText();

// Pieces for every message.
std::string cat(std::initializer_list<std::string_view> pieces);
// Text from a file or the command line: long texts are cut and control
// characters escaped, so that a message stays one readable line.
std::string escaped(std::string_view text);
std::string quoted(std::string_view text);
// "1 erreur", "0 erreur", "2 erreurs": French counts zero and one alike.
std::string counted(std::size_t count, std::string_view singular, std::string_view plural);
// "A", "A ou B", "A, B ou C".
std::string alternatives(std::span<const std::string_view> names);
std::string_view levelName(Level level);

// The text report's labels.
inline constexpr std::string_view noFlag = "aucun flag";
inline constexpr std::string_view valueLabel = "valeur : ";
inline constexpr std::string_view extraBitsLabel = "bits hors flags : ";
inline constexpr std::string_view lineHeader = "ligne";
inline constexpr std::string_view identifierHeader = "identifiant";
inline constexpr std::string_view gameReadsHeader = "lu";
inline constexpr std::string_view flagsHeader = "flags";
inline constexpr std::string_view bitHeader = "bit";
inline constexpr std::string_view digitHeader = "chiffre";
inline constexpr std::string_view maskHeader = "masque";
inline constexpr std::string_view nameHeader = "nom";
inline constexpr std::string_view aliasHeader = "aussi écrit";
// The mark of a table row whose line has a problem, by level.
inline constexpr std::string_view errorMark = "E";
inline constexpr std::string_view warningMark = "A";
inline constexpr std::string_view nothingRead = "?";
std::string entryLabel(LineKind kind);
std::string scanSummary(std::span<const std::size_t> linesPerKind, std::size_t errors,
                        std::size_t warnings);
std::string checkSummary(std::size_t files, std::size_t errors, std::size_t warnings);

std::string versionText(std::string_view version);
std::string usageHint();

// Usage mistakes.
std::string unknownCommand(std::string_view command);
std::string missingCommand();
std::string unknownOption(std::string_view option);
std::string missingGame();
std::string unknownGame(std::string_view game);
std::string missingOperands(std::string_view command);
std::string noOperands(std::string_view command);
std::string standardInputTwice();

// Bad values and names.
std::string valueProblem(std::string_view text, const flags::ValueReading &reading,
                         const GameProfile &game);
std::string unknownFlag(std::string_view name, std::span<const std::string_view> suggestions);
std::string flagNotInGame(std::string_view name, const GameProfile &game);
std::string extraBitsDropped(std::string_view text, std::uint32_t extraBits,
                             const GameProfile &game);
std::string suggestion(std::span<const std::string_view> names);

// Bad files and lines.
std::string fileNotFound();
std::string isDirectory();
std::string cannotOpen();
std::string readError();
std::string fileTooLarge(std::size_t maxBytes);
std::string unreadEncoding(std::string_view encoding, bool marked);
std::string binaryFile();
std::string noEndMarker();
std::string notInFile(std::string_view identifier);
// A problem of one vehicle line, introduced by the vehicle's identifier.
std::string vehicleProblem(std::string_view identifier, std::string_view problem);
// FILE:LINE: level : message, or FILE: level : message for the whole file.
std::string fileProblem(std::string_view file, const Problem &problem);
// program: level : message, for values and names on the command line.
std::string inputProblem(const Problem &problem);

// Standard output could not be written (disk full, closed pipe).
std::string outputError();

} // namespace bitloom::cli::messages
