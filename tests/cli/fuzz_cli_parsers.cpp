// libFuzzer target: the value reader, the line reader, the text decoder and
// the file checks on any bytes. Besides crashes and sanitizer reports, it
// stops on a broken promise of theirs.
#include "cli/JsonReport.h"
#include "cli/TextReport.h"
#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"
#include "handling/GameProfile.h"
#include "handling/HandlingLine.h"
#include "handling/HandlingScanner.h"
#include "handling/TextDecoder.h"
#include "handling/ValueProblemText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>

using namespace bitloom;

namespace {

void check(bool promise)
{
    if (!promise)
        std::abort();
}

void value(std::string_view text, const handling::GameProfile &game)
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
        // Bits beyond the flags are kept, and are what the game reads.
        if (reading.problem == flags::ValueProblem::AboveFlags) {
            check((reading.value & ~game.allowedBits()) != 0);
            check(reading.gameValue == reading.value);
        }
        check(!handling::valueProblemText(text, reading, game).empty());
    }
}

void line(std::string_view text, const handling::GameProfile &game)
{
    const handling::HandlingLine read = handling::readHandlingLine(text, game);
    if (!handling::isVehicleLine(read.kind))
        return;
    check(read.fieldCount > 0);
    check(read.identifier.find_first_of(" \t") == std::string_view::npos);
    const bool standard = read.kind == handling::LineKind::Standard;
    check(!standard || !read.identifier.empty());
    check(read.flagsText.empty()
          == (!standard || read.fieldCount < static_cast<std::size_t>(game.flagsField)));
    check(read.flagsText.find_first_of(" \t") == std::string_view::npos);
}

void file(std::string_view text, handling::TextEncoding encoding, const handling::GameProfile &game)
{
    const handling::ScanResult result = handling::scanHandling(text, encoding, game);
    std::size_t previous = 0;
    for (const handling::ScannedVehicle &vehicle : result.vehicles) {
        check(vehicle.line > previous);
        check(handling::isVehicleLine(vehicle.kind));
        previous = vehicle.line;
    }
    previous = 0;
    for (const handling::Problem &problem : result.problems) {
        check(problem.line >= previous && !problem.message.empty() && !problem.rule.empty());
        previous = problem.line;
    }
    // Whatever bytes the file holds, scripts get valid JSON, from a scan and
    // from a check alike, and a person gets one line for each problem.
    std::ostringstream scanJson;
    cli::JsonReport(scanJson).scanned("fuzz.cfg", result, {}, game);
    check(nlohmann::json::accept(scanJson.str()));
    std::ostringstream checkJson;
    cli::JsonReport report(checkJson);
    report.checked("fuzz.cfg", result.problems, game);
    report.checkEnded(1, 0, 0, game);
    check(nlohmann::json::accept(checkJson.str()));
    std::ostringstream checkText;
    cli::TextReport(checkText).checked("fuzz.cfg", result.problems, game);
    const std::string lines = checkText.str();
    check(static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'))
          == result.problems.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const handling::DecodedText decoded = handling::decodeText(std::string(text));
    check(decoded.error.empty() || decoded.text.empty());
    for (const handling::GameProfile *game : {&handling::viceCity, &handling::gta3}) {
        value(text, *game);
        line(text, *game);
        file(text, handling::TextEncoding::Plain, *game);
        if (decoded.error.empty())
            file(decoded.text, decoded.encoding, *game);
    }
    return 0;
}
