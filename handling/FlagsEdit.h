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
std::string notHandlingFile(const HandlingFile &file, const GameProfile &game);

// The standard line that holds a vehicle's flags, or why it may not be
// changed: no such line, several, or columns that may be shifted, so that
// the flags field is not the one the game reads.
struct FlagsLineSearch {
    const ReadLine *line = nullptr;
    std::optional<Problem> problem{}; // when there is no line
};

// The identifier as the file writes it; failing that, ignoring ASCII case,
// as long as only one spelling matches.
FlagsLineSearch findFlagsLine(const HandlingFile &file, std::string_view identifier,
                              const GameProfile &game);

// value as the file writes its values: with the "0x" prefix and the leading
// zeros of the field it replaces, and with its letters' case, or the case of
// most of the file's values; otherwise as the window shows it.
std::string flagsFieldText(std::uint32_t value, std::string_view replaced,
                           const HandlingFile &file);

struct FlagsFieldChange {
    std::size_t line; // 1-based, as readHandlingFile numbers lines
    std::string text; // ASCII
};

// bytes, the file as read, with the flags field of each line named replaced
// by its text, in the file's encoding; every other byte stays as it was.
// Each line must be a standard line with a flags field.
std::string changeFlagsFields(std::string_view bytes, TextEncoding encoding,
                              std::span<const FlagsFieldChange> changes, const GameProfile &game);

// What changing the flags fields of these lines brings to the file: an error
// where a line or the file grows beyond what the game reads, a warning for
// each problem the checks find that they did not find before (such as
// IS_BIKE without its bike entry, which may come next). Views into after.
std::vector<Problem> problemsOfChange(const HandlingFile &before, const HandlingFile &after,
                                      std::span<const std::size_t> lines, const GameProfile &game);

} // namespace bitloom::handling
