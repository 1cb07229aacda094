#include "HandlingFile.h"

#include <algorithm>

namespace bitloom::handling {

HandlingFile readHandlingFile(std::string_view text, TextEncoding encoding, const GameProfile &game)
{
    HandlingFile file{.text = text, .encoding = encoding};
    std::vector<ReadLine> *read = &file.lines;
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        ++number;
        const std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;

        if (line.find('\0') != std::string_view::npos) {
            // After the end, the game has stopped reading: no binary file.
            if (!file.ended)
                file.nul = number;
            return file;
        }
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        read->push_back({number, line, readHandlingLine(line, game)});
        if (!file.ended && read->back().fields.kind == LineKind::End && game.stopsAtEndMarker) {
            file.ended = true;
            file.endHasLineBreak = end != std::string_view::npos;
            read = &file.afterEnd;
        }
    }
    return file;
}

std::vector<const ReadLine *> vehiclesAfterEnd(const HandlingFile &file, const GameProfile &game)
{
    std::vector<const ReadLine *> found;
    for (const ReadLine &line : file.afterEnd) {
        if (isVehicleLine(line.fields.kind) && game.spelling(line.fields.identifier))
            found.push_back(&line);
    }
    return found;
}

const ReadLine *HandlingFile::line(std::size_t number) const
{
    for (const std::vector<ReadLine> *part : {&lines, &afterEnd}) {
        const auto found = std::lower_bound(
            part->begin(), part->end(), number,
            [](const ReadLine &line, std::size_t wanted) { return line.number < wanted; });
        if (found != part->end() && found->number == number)
            return &*found;
    }
    return nullptr;
}

} // namespace bitloom::handling
