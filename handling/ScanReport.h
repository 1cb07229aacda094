// scan and check: a handling file's vehicle lines, what the game reads in
// them, and what is wrong, with every fact their reports show.
#pragma once

#include "FileReader.h"
#include "GameProfile.h"
#include "HandlingFormat.h"
#include "Problem.h"
#include "TextDecoder.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom::handling {

// What a standard line holds in one of the game's flags fields.
struct FieldReading {
    std::string text{}; // as written; empty when the line is too short
    // What the game reads there, when it reads a value, split into its flags
    // and the bits beyond them, which it ignores.
    std::optional<std::uint32_t> gameValue{};
    std::uint32_t flags = 0;
    std::uint32_t extraBits = 0;
};

// A vehicle line of any kind.
struct ScannedVehicle {
    std::size_t line{}; // 1-based
    LineKind kind{};
    std::string identifier{};
    std::vector<FieldReading> fields{}; // of a standard line, in the game's order
    bool read = true;                   // false after ";the end", where the game stops
    std::optional<Level> level{};       // of the line's worst problem
};

// The vehicles a scan lists: those asked for by identifier, in any case,
// those that have a flag; all when empty.
struct ScanFilter {
    std::span<const std::string_view> only{};
    std::string_view has{};
};

struct ScanReport {
    std::string file{};
    const GameProfile *game = &viceCity;
    bool read = true;                       // false when the file could not be read at all
    bool gameTold = false;                  // the game was told from the file, not asked for
    std::vector<std::string> only{};        // the vehicles asked for, if any
    std::string has{};                      // the flag they were to have, if any
    std::vector<ScannedVehicle> vehicles{}; // every one, with or without problems
    std::vector<Problem> problems{};        // in line order, those of the file first
    std::array<std::size_t, vehicleLineKinds.size()> linesPerKind{};
    std::size_t errors = 0;
    std::size_t warnings = 0;
};

// The vehicles the filter lets through, and the problems of their lines and
// of the whole file; a warning first for each vehicle asked for that the
// file does not have, an error for a flag the game does not have. Reading
// stops at a NUL byte (a binary file); encoding is that of the file the text
// was decoded from.
ScanReport scanHandling(std::string_view file, std::string_view text, TextEncoding encoding,
                        const GameProfile &game, ScanFilter filter = {});

// A file that could not be read at all, as a scan reports it.
ScanReport unreadFile(std::string_view file, std::string message, const GameProfile &game);

// A file's bytes as read, decoded and scanned as the game asked for or, when
// none is, the one the file plainly is (gameTold then says so if it is not
// Vice-City, the default).
ScanReport scanContents(std::string_view file, FileContents contents, const GameProfile *asked,
                        ScanFilter filter = {});

struct CheckedFile {
    std::string file{};
    const GameProfile *game = &viceCity;
    bool gameTold = false;
    std::vector<Problem> problems{};
    std::size_t errors = 0;
    std::size_t warnings = 0;
};

struct CheckReport {
    const GameProfile *game = &viceCity;
    std::vector<CheckedFile> files{};
    std::size_t errors = 0;
    std::size_t warnings = 0;

    void add(const ScanReport &scan);
};

// The most serious level of the problems of one line, if it has any.
// problems must be in line order.
std::optional<Level> worstLevel(std::span<const Problem> problems, std::size_t line);

} // namespace bitloom::handling
