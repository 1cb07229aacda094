// libFuzzer target: the value reader, the line reader and the file scanner on
// any bytes. Besides crashes and sanitizer reports, it stops on a broken
// promise of theirs.
#include "cli/GameProfile.h"
#include "cli/HandlingLine.h"
#include "cli/HandlingScanner.h"
#include "cli/JsonReport.h"
#include "cli/Messages.h"
#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string_view>

using namespace bitloom;

namespace {

void check(bool promise)
{
    if (!promise)
        std::abort();
}

void value(std::string_view text, const cli::GameProfile &game)
{
    const flags::ValueReading reading = flags::readFlagsValue(text, game.allowedBits());
    if (reading.problem == flags::ValueProblem::None) {
        // An accepted value is what the game reads, and the window's text
        // for it reads back the same.
        check((reading.value & ~game.allowedBits()) == 0);
        check(reading.gameValue == reading.value);
        const flags::ValueReading again = flags::readFlagsValue(flags::valueText(reading.value));
        check(again.problem == flags::ValueProblem::None && again.value == reading.value);
    } else {
        if (reading.problem == flags::ValueProblem::NotHex)
            check(reading.badOffset < text.size());
        check(!cli::messages::valueProblem(text, reading, game).empty());
    }
}

void line(std::string_view text, const cli::GameProfile &game)
{
    const auto field = static_cast<std::size_t>(game.flagsField);
    const cli::HandlingLine read = cli::readHandlingLine(text, field);
    if (read.kind != cli::LineKind::Vehicle)
        return;
    check(!read.identifier.empty());
    check(read.identifier.find_first_of(" \t") == std::string_view::npos);
    check(read.flagsText.empty() == (read.fieldCount < field));
    check(read.flagsText.find_first_of(" \t") == std::string_view::npos);
}

void file(std::string_view text, const cli::GameProfile &game)
{
    const cli::ScanResult result = cli::scanHandling(text, game);
    std::size_t previous = 0;
    for (const cli::ScannedVehicle &vehicle : result.vehicles) {
        check(vehicle.line > previous);
        check((vehicle.value & ~game.allowedBits()) == 0);
        previous = vehicle.line;
    }
    // Whatever bytes the file holds, scripts get valid JSON.
    std::ostringstream out;
    cli::JsonReport(out).scanned("fuzz.cfg", result, game);
    check(nlohmann::json::accept(out.str()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const cli::GameProfile *game : {&cli::viceCity, &cli::gta3}) {
        value(text, *game);
        line(text, *game);
        file(text, *game);
    }
    return 0;
}
