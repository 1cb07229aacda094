// libFuzzer target: the value reader, the line reader, the text decoder,
// the file checks and the change of a flags field on any bytes. Besides crashes and sanitizer
// reports, it stops on a broken promise of theirs.
#include "cli/JsonReport.h"
#include "cli/TextReport.h"
#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"
#include "handling/FlagsEdit.h"
#include "handling/GameProfile.h"
#include "handling/HandlingFile.h"
#include "handling/HandlingLine.h"
#include "handling/ScanReport.h"
#include "handling/TextDecoder.h"
#include "handling/ValueProblemText.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
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
    const flags::ValueReading reading = flags::readFlagsValue(text, game.flags().allowedBits());
    if (reading.problem == flags::ValueProblem::None) {
        // An accepted value is what the game reads, and the window's text
        // for it reads back the same.
        check((reading.value & ~game.flags().allowedBits()) == 0);
        check(reading.gameValue == reading.value);
        const flags::ValueReading again
            = flags::readFlagsValue(flags::hexText(reading.value), game.flags().allowedBits());
        check(again.problem == flags::ValueProblem::None && again.value == reading.value);
    } else {
        if (reading.problem == flags::ValueProblem::NotHex)
            check(reading.badOffset < text.size());
        // Bits beyond the flags are kept, and are what the game reads.
        if (reading.problem == flags::ValueProblem::AboveFlags) {
            check((reading.value & ~game.flags().allowedBits()) != 0);
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
    check(read.identifier.find_first_of(game.separators) == std::string_view::npos);
    const bool standard = read.kind == handling::LineKind::Standard;
    check(!standard || !read.identifier.empty());
    check(read.flagsText().empty()
          == (!standard || read.fieldCount < static_cast<std::size_t>(game.flags().field)));
    check(read.flagsText().find_first_of(game.separators) == std::string_view::npos);
}

void file(std::string_view text, handling::TextEncoding encoding, const handling::GameProfile &game)
{
    const handling::ScanReport result = handling::scanHandling("fuzz.cfg", text, encoding, game);
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
    cli::JsonReport(scanJson).scanned(result);
    check(nlohmann::json::accept(scanJson.str()));
    handling::CheckReport checked{.game = &game};
    checked.add(result);
    std::ostringstream checkJson;
    cli::JsonReport(checkJson).checked(checked);
    check(nlohmann::json::accept(checkJson.str()));
    std::ostringstream checkText;
    cli::TextReport(checkText).checked(checked);
    const std::string lines = checkText.str();
    check(static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'))
          == result.problems.size() + 1);
}

// The first standard line with a flags field gets a value drawn from the
// bytes: the changed file reads the same, line for line, but for that field,
// and its bytes differ from the old ones in one stretch the field's size.
void flagsChange(std::string_view bytes, const handling::GameProfile &game)
{
    const handling::DecodedText before = handling::decodeText(std::string(bytes));
    const std::size_t unit = handling::byteOrderMarkSize(before.encoding) == 2 ? 2 : 1;
    // Half a UTF-16 unit at the end reads as one more character of the last
    // line, which is no field's: it stays, and the comparison below would
    // count it in.
    if (!before.error.empty() || bytes.size() % unit != 0)
        return;
    const handling::HandlingFile file
        = handling::readHandlingFile(before.text, before.encoding, game);
    const auto target = std::find_if(file.lines.begin(), file.lines.end(), [](const auto &line) {
        return line.fields.kind == handling::LineKind::Standard && !line.fields.flagsText().empty();
    });
    if (target == file.lines.end())
        return;
    const std::uint32_t value = static_cast<std::uint32_t>(std::hash<std::string_view>()(bytes))
                                & game.flags().allowedBits();
    const std::string text = handling::flagsFieldText(value, target->fields.flagsText(),
                                                      handling::writesLowerCase(file));
    check(flags::readFlagsValue(text, game.flags().allowedBits()).value == value);
    const std::string changed
        = handling::changeFlagsFields(bytes, before.encoding, {{{target->number, 0, text}}}, game);

    const handling::DecodedText after = handling::decodeText(changed);
    check(after.error.empty() && after.encoding == before.encoding);
    const handling::HandlingFile read
        = handling::readHandlingFile(after.text, after.encoding, game);
    check(read.lines.size() == file.lines.size());
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        const handling::ReadLine &old = file.lines[i];
        std::string expected(old.text);
        if (old.number == target->number)
            expected.replace(
                static_cast<std::size_t>(old.fields.flagsText().data() - old.text.data()),
                old.fields.flagsText().size(), text);
        check(read.lines[i].text == expected);
    }
    const std::string_view written = target->fields.flagsText();
    const std::size_t field = unit == 2 ? 2 * text::utf16FromUtf8(written).size() : written.size();
    check(changed.size() + field == bytes.size() + unit * text.size());
    const std::size_t same = static_cast<std::size_t>(
        std::mismatch(bytes.begin(), bytes.end(), changed.begin(), changed.end()).first
        - bytes.begin());
    const std::size_t sameAtEnd = static_cast<std::size_t>(
        std::mismatch(bytes.rbegin(), bytes.rend(), changed.rbegin(), changed.rend()).first
        - bytes.rbegin());
    check(same + sameAtEnd + field >= bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const handling::DecodedText decoded = handling::decodeText(std::string(text));
    check(decoded.error.empty() || decoded.text.empty());
    for (const handling::GameProfile *game : handling::games()) {
        value(text, *game);
        line(text, *game);
        file(text, handling::TextEncoding::Plain, *game);
        if (decoded.error.empty())
            file(decoded.text, decoded.encoding, *game);
        flagsChange(text, *game);
    }
    return 0;
}
