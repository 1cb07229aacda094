#include "FlagsEdit.h"

#include "FileChecker.h"
#include "MessageText.h"
#include "flags/FlagsValueReader.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <fmt/format.h>
#include <stdexcept>
#include <vector>

namespace bitloom::handling {

namespace {

// The standard lines of a part of the file whose identifier is accepted.
template <typename Accepts>
std::vector<const ReadLine *> standardLines(const std::vector<ReadLine> &lines, Accepts accepts)
{
    std::vector<const ReadLine *> found;
    for (const ReadLine &line : lines) {
        if (line.fields.kind == LineKind::Standard && accepts(line.fields.identifier))
            found.push_back(&line);
    }
    return found;
}

// "6 et 7", "6, 7 et 9".
std::string lineNumbers(const std::vector<const ReadLine *> &lines)
{
    std::vector<std::size_t> numbers;
    for (const ReadLine *line : lines)
        numbers.push_back(line->number);
    return fmt::format("{} et {}", fmt::join(numbers.begin(), numbers.end() - 1, ", "),
                       numbers.back());
}

FlagsLineSearch refusal(std::string_view rule, std::string_view identifier, std::string message,
                        const ReadLine *line = nullptr)
{
    return {.problem = Problem{.rule = rule,
                               .message = std::move(message),
                               .line = line ? line->number : 0,
                               .identifier = std::string(identifier)}};
}

// Why the game reads no line of the vehicle it spells so, when the file
// seems to have one.
FlagsLineSearch noLineRead(const HandlingFile &file, std::string_view spelling)
{
    const auto otherwise = [&](std::string_view identifier) {
        return text::sameIgnoringAsciiCase(identifier, spelling);
    };
    if (const auto misspelt = standardLines(file.lines, otherwise); !misspelt.empty())
        return refusal(rules::vehicle, spelling,
                       fmt::format("la ligne {} l'écrit {} : le jeu ne connaît que {} et ne lit "
                                   "pas cette ligne ; corrigez l'identifiant avant de changer ses "
                                   "flags",
                                   misspelt.front()->number,
                                   quoted(misspelt.front()->fields.identifier), spelling),
                       misspelt.front());
    if (const auto after = standardLines(file.afterEnd, otherwise); !after.empty())
        return refusal(rules::afterEnd, spelling,
                       fmt::format("sa ligne {} est après \"{}\" (ligne {}) : le jeu ne la lit "
                                   "pas ; placez-la avant la fin des données",
                                   after.back()->number, endMarker, file.lines.back().number),
                       after.back());
    return refusal(rules::missing, spelling,
                   "aucune ligne standard de ce véhicule dans le fichier");
}

// The value's digits and prefix, when the text is a value at all.
struct WrittenValue {
    std::string_view prefix;
    std::string_view digits;
};

std::optional<WrittenValue> writtenValue(std::string_view written)
{
    const flags::ValueReading reading = flags::readFlagsValue(written, 0xFFFFFFFF);
    if (reading.problem != flags::ValueProblem::None)
        return std::nullopt;
    const bool prefixed
        = written.size() > 2 && written[0] == '0' && text::lowerAscii(written[1]) == 'x';
    const std::size_t prefix = prefixed ? 2 : 0;
    return WrittenValue{written.substr(0, prefix), written.substr(prefix)};
}

// Whether the digits write their letters in lower case; none without letters.
std::optional<bool> lowerCaseLetters(std::string_view digits)
{
    const auto letter = std::find_if(digits.begin(), digits.end(),
                                     [](char c) { return text::lowerAscii(c) >= 'a'; });
    if (letter == digits.end())
        return std::nullopt;
    return *letter >= 'a';
}

Problem lineLimit(const ReadLine &line, Level level, std::string message)
{
    return {.level = level,
            .rule = rules::lineLength,
            .message = std::move(message),
            .line = line.number,
            .identifier = std::string(line.fields.identifier)};
}

// One character per code unit of the text after its byte order mark, so
// that the lines and fields are found where they are in the bytes; a unit
// outside ASCII stands for itself only as a byte that no separator or
// marker is.
std::string unitsOf(std::string_view body, TextEncoding encoding)
{
    if (encoding != TextEncoding::Utf16Le && encoding != TextEncoding::Utf16Be)
        return std::string(body);
    const std::size_t low = encoding == TextEncoding::Utf16Le ? 0 : 1;
    std::string units(body.size() / 2, '\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto lowByte = static_cast<unsigned char>(body[2 * i + low]);
        const auto highByte = static_cast<unsigned char>(body[2 * i + 1 - low]);
        units[i] = highByte == 0 && lowByte < 0x80 ? static_cast<char>(lowByte) : '\x80';
    }
    return units;
}

std::string encoded(std::string_view ascii, TextEncoding encoding)
{
    if (encoding != TextEncoding::Utf16Le && encoding != TextEncoding::Utf16Be)
        return std::string(ascii);
    std::string bytes;
    for (char c : ascii) {
        if (encoding == TextEncoding::Utf16Le)
            bytes.append({c, '\0'});
        else
            bytes.append({'\0', c});
    }
    return bytes;
}

} // namespace

std::optional<Problem> notHandlingFile(const HandlingFile &file, const GameProfile &game)
{
    if (file.nul)
        return Problem{
            .rule = rules::file,
            .message = fmt::format(
                "octet nul ligne {} : fichier binaire, pas un fichier de handling", *file.nul)};
    const auto namesVehicle = [&](const ReadLine &line) {
        return line.fields.kind == LineKind::Standard
               && game.spelling(line.fields.identifier).has_value();
    };
    if (std::none_of(file.lines.begin(), file.lines.end(), namesVehicle))
        return Problem{.rule = rules::file,
                       .message
                       = fmt::format("aucun véhicule de {} : ce n'est pas un fichier de handling",
                                     game.title)};
    return std::nullopt;
}

FlagsLineSearch findFlagsLine(const HandlingFile &file, std::string_view identifier,
                              const GameProfile &game)
{
    const std::optional<std::string_view> spelling = game.spelling(identifier);
    if (!spelling)
        return refusal(rules::vehicle, identifier,
                       fmt::format("identifiant inconnu de {}{}", game.title,
                                   identifierSuggestion(identifier, game)));

    const auto read
        = standardLines(file.lines, [&](std::string_view written) { return written == *spelling; });
    if (read.empty())
        return noLineRead(file, *spelling);
    if (read.size() > 1)
        return refusal(rules::duplicate, *spelling,
                       fmt::format("défini {} fois, lignes {} : le jeu ne garde que la dernière ; "
                                   "gardez-en une seule avant de changer ses flags",
                                   read.size() == 2 ? "deux" : std::to_string(read.size()),
                                   lineNumbers(read)));

    const ReadLine &line = *read.front();
    const auto needed = static_cast<std::size_t>(game.fieldsOf(LineKind::Standard));
    if (line.fields.fieldCount != needed)
        return refusal(
            rules::fields, *spelling,
            fmt::format("{}, il en faut {} : les colonnes sont peut-être décalées et {} ; "
                        "corrigez la ligne avant de changer ses flags",
                        counted(line.fields.fieldCount, "champ", "champs"), needed,
                        game.flagsFields.size() > 1
                            ? fmt::format("les colonnes {} ne sont pas sûres", flagsColumns(game))
                            : fmt::format("la colonne {} n'est pas sûre", flagsColumns(game))),
            &line);
    return {.line = &line};
}

bool writesLowerCase(const HandlingFile &file)
{
    int lower = 0;
    int upper = 0;
    for (const ReadLine &line : file.lines) {
        if (line.fields.kind != LineKind::Standard)
            continue;
        for (std::string_view text : line.fields.flagsTexts) {
            const auto written = writtenValue(text);
            if (const auto lowerCase = written ? lowerCaseLetters(written->digits) : std::nullopt)
                ++(*lowerCase ? lower : upper);
        }
    }
    return lower > upper;
}

std::string flagsFieldText(std::uint32_t value, std::string_view replaced, bool fileWritesLowerCase)
{
    const std::optional<WrittenValue> own = writtenValue(replaced);
    const std::optional<bool> ownCase = own ? lowerCaseLetters(own->digits) : std::nullopt;
    const bool lowerCase = ownCase.value_or(fileWritesLowerCase);
    const bool padded = own && own->digits.size() > 1 && own->digits.front() == '0';
    const std::size_t width = padded ? own->digits.size() : 0;
    const std::string_view prefix = own ? own->prefix : std::string_view();
    if (lowerCase)
        return fmt::format("{}{:0{}x}", prefix, value, width);
    return fmt::format("{}{:0{}X}", prefix, value, width);
}

std::string changeFlagsFields(std::string_view bytes, TextEncoding encoding,
                              std::span<const FlagsFieldChange> changes, const GameProfile &game)
{
    const std::size_t markSize = byteOrderMarkSize(encoding);
    const std::size_t unitSize = markSize == 2 ? 2 : 1;
    const std::string units = unitsOf(bytes.substr(markSize), encoding);
    const HandlingFile file = readHandlingFile(units, encoding, game);

    struct Span {
        std::size_t offset;
        std::size_t size;
        std::string_view text;
    };
    std::vector<Span> spans;
    for (const FlagsFieldChange &change : changes) {
        const auto line = std::find_if(file.lines.begin(), file.lines.end(),
                                       [&](const ReadLine &l) { return l.number == change.line; });
        if (line == file.lines.end() || line->fields.kind != LineKind::Standard
            || change.field >= game.flagsFields.size()
            || line->fields.flagsTexts[change.field].empty())
            throw std::invalid_argument("no flags field on the line to change");
        const std::string_view field = line->fields.flagsTexts[change.field];
        spans.push_back(
            {markSize + unitSize * static_cast<std::size_t>(field.data() - units.data()),
             unitSize * field.size(), change.text});
    }
    // From the end, so that each offset still holds when it is reached.
    std::sort(spans.begin(), spans.end(),
              [](const Span &a, const Span &b) { return a.offset > b.offset; });
    std::string result(bytes);
    for (const Span &span : spans)
        result.replace(span.offset, span.size, encoded(span.text, encoding));
    return result;
}

std::string lineWithFlags(std::string_view line, std::uint32_t value, const GameProfile &game)
{
    const HandlingFile file = readHandlingFile(line, TextEncoding::Plain, game);
    const ReadLine &read
        = *std::find_if(file.lines.begin(), file.lines.end(),
                        [](const ReadLine &l) { return l.fields.kind == LineKind::Standard; });
    const FlagsFieldChange change{read.number, 0,
                                  flagsFieldText(value, read.fields.flagsText(), false)};
    return changeFlagsFields(line, TextEncoding::Plain, {&change, 1}, game);
}

std::vector<Problem> problemsOfChange(const HandlingFile &before, const HandlingFile &after,
                                      std::span<const std::size_t> lines, const GameProfile &game)
{
    std::vector<Problem> problems;
    // Already beyond the limit: the game fares no worse, and refusing would
    // leave no way to mend such a file's flags.
    const auto limitWarning = [](bool line, std::size_t size, std::size_t limit) {
        return fmt::format("{what} a déjà {size} {unit}, plus que les {limit} que lit le jeu, qui "
                           "peut mal {it} lire ; ce changement ne l'allonge pas",
                           fmt::arg("what", line ? "la ligne" : "le fichier"),
                           fmt::arg("size", size), fmt::arg("unit", line ? "caractères" : "octets"),
                           fmt::arg("limit", limit), fmt::arg("it", line ? "la" : "le"));
    };
    for (std::size_t i = 0; i < before.lines.size() && i < after.lines.size(); ++i) {
        const ReadLine &old = before.lines[i];
        const ReadLine &now = after.lines[i];
        if (std::find(lines.begin(), lines.end(), now.number) == lines.end()
            || now.text.size() <= game.maxLineLength)
            continue;
        if (now.text.size() > old.text.size())
            problems.push_back(
                lineLimit(now, Level::Error,
                          fmt::format("la ligne aurait {} caractères : le jeu n'en lit que {}",
                                      now.text.size(), game.maxLineLength)));
        else
            problems.push_back(lineLimit(now, Level::Warning,
                                         limitWarning(true, now.text.size(), game.maxLineLength)));
    }
    if (game.maxFileBytes > 0 && after.text.size() > game.maxFileBytes) {
        if (after.text.size() > before.text.size())
            problems.push_back(
                {.rule = rules::fileSize,
                 .message = fmt::format("le fichier aurait {} octets : le jeu n'en lit que {}",
                                        after.text.size(), game.maxFileBytes)});
        else
            problems.push_back(
                {.level = Level::Warning,
                 .rule = rules::fileSize,
                 .message = limitWarning(false, after.text.size(), game.maxFileBytes)});
    }
    if (countOf(problems, Level::Error) > 0)
        return problems; // refused: what check would say of it does not matter

    const std::vector<Problem> known = checkHandlingFile(before, game);
    for (Problem &problem : checkHandlingFile(after, game)) {
        if (std::any_of(known.begin(), known.end(), [&](const Problem &p) {
                return p.rule == problem.rule && p.line == problem.line && p.level == problem.level;
            }))
            continue;
        problem.message
            = fmt::format("après ce changement, check signalera : {}{}",
                          problem.level == Level::Error ? "erreur : " : "", problem.message);
        problem.level = Level::Warning;
        problems.push_back(std::move(problem));
    }
    return problems;
}

} // namespace bitloom::handling
