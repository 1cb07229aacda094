// What set does to a handling file, all but the writing: which vehicles the
// words name, the line and field of each, its new value in the field's own
// style, the file's new bytes, and every refusal and warning on the way.
#pragma once

#include "FileReader.h"
#include "GameProfile.h"
#include "Problem.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace bitloom::handling {

// A vehicle of the command line and the words that make its new value.
struct VehicleRequest {
    std::string_view identifier{};
    std::vector<std::string_view> words{};
};

// The vehicles in order, or what is wrong with the words (in French). A word
// begins the next vehicle when it can be no word of a value: not +NAME or
// -NAME, not a start value in first place, not a flag's name, and without
// the '_' that every flag's name has, so that a misspelt name is still told
// as one.
std::variant<std::vector<VehicleRequest>, std::string>
vehicleRequests(std::span<const std::string_view> words, const GameProfile &game);

enum class SetOutcome : std::uint8_t {
    Written,   // the file holds the changes
    DryRun,    // they were only shown
    Unchanged, // the flags were already so: nothing was written
    Refused,   // an error: nothing was written
};

// One flags field of a line as set changes it.
struct FieldChange {
    std::size_t field{};   // into the game's flagsFields
    std::string oldText{}; // as written
    std::string newText{};
    std::uint32_t oldFlags{}; // the game's flags in each
    std::uint32_t newFlags{};
};

// A vehicle's line as set changes it: each flags field the words touch.
struct FlagsChange {
    std::size_t line{}; // 1-based
    std::string identifier{};
    std::vector<FieldChange> fields{};
    std::string oldLine{}; // the whole line, without its line break
    std::string newLine{};
};

// Everything set's reports show.
struct SetReport {
    std::string file{};
    const GameProfile *game = &viceCity;
    SetOutcome outcome = SetOutcome::Refused;
    std::vector<FlagsChange> changes{}; // none when refused
    std::vector<Problem> problems{};
    std::string backup{}; // where the old file was kept, once written

    // Nothing is written after all: the changes are dropped, and failure, if
    // any, is the problem of the file that says why.
    void refuse(std::string failure = {});
};

struct FlagsChangePlan {
    // Refused, Unchanged, or Written once contents take the file's place.
    SetReport report{};
    std::string original{};   // the file's bytes as read
    std::string contents{};   // its new bytes, when it is to be written
    std::string wrongWords{}; // what is wrong with the words, if anything
    bool gameTold = false;    // the game was told from the file, not asked for
};

// words: for each vehicle its identifier, then the words of its new value.
// The game is the one asked for, or told from the file when none is; the
// words are read as that game's.
FlagsChangePlan planFlagsChanges(std::string_view file, FileContents read,
                                 std::span<const std::string_view> words, const GameProfile *asked);

} // namespace bitloom::handling
