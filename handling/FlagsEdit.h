// Changing vehicles' flags in a handling file: which line a change writes,
// how the new value is written, and the file's bytes with only those fields
// changed.
#pragma once

#include "GameProfile.h"
#include "HandlingFile.h"
#include "Problem.h"
#include "TextDecoder.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom::handling {

// Why the file may not be changed, if it is not a handling file: a binary
// file, or a text that names none of the game's vehicles (any line of text
// reads as a standard line).
std::optional<Problem> notHandlingFile(const HandlingFile &file, const GameProfile &game);

// The standard line whose flags the game reads for a vehicle, asked for in
// any case: the one line, before ";the end", that spells its identifier as
// the game does and has the fields the game reads. Otherwise why there is
// none: a vehicle the game does not know, no line, a line the game never
// reads (after the end, or spelt otherwise), several, or columns that may be
// shifted, so that the flags field is not the one the game reads.
struct FlagsLineSearch {
    const ReadLine *line = nullptr;
    std::optional<Problem> problem{}; // when there is no line
};
FlagsLineSearch findFlagsLine(const HandlingFile &file, std::string_view identifier,
                              const GameProfile &game);

// Whether most of the file's values that have letters write them in lower
// case; ties and files without letters take the window's upper case.
bool writesLowerCase(const HandlingFile &file);

// value as the field it replaces writes its value: with its "0x" prefix, its
// leading zeros and its letters' case; a field that has none of these takes
// the file's case, and is otherwise written as the window shows values.
std::string flagsFieldText(std::uint32_t value, std::string_view replaced,
                           bool fileWritesLowerCase);

struct FlagsFieldChange {
    std::size_t line;  // 1-based, as readHandlingFile numbers lines
    std::size_t field; // into the game's flagsFields
    std::string text;  // ASCII
};

// bytes, the file as read, with each flags field named replaced by its text,
// in the file's encoding; every other byte stays as it was. Each line must be
// a standard line with that flags field.
std::string changeFlagsFields(std::string_view bytes, TextEncoding encoding,
                              std::span<const FlagsFieldChange> changes, const GameProfile &game);

// One vehicle line, as pasted, with its (first) flags field holding value,
// written as the field writes values; every other character as it was.
std::string lineWithFlags(std::string_view line, std::uint32_t value, const GameProfile &game);

// What changing the flags fields of these lines brings to the file: an error
// where a line or the file grows beyond what the game reads; a warning where
// one already was beyond it, and for each problem the checks find that they
// did not find before (such as IS_BIKE without its bike entry, which may
// come next).
std::vector<Problem> problemsOfChange(const HandlingFile &before, const HandlingFile &after,
                                      std::span<const std::size_t> lines, const GameProfile &game);

} // namespace bitloom::handling
