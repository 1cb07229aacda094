#include "HandlingFile.h"

namespace bitloom::handling {

HandlingFile readHandlingFile(std::string_view text, TextEncoding encoding, const GameProfile &game)
{
    HandlingFile file{.text = text, .encoding = encoding};
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        ++number;
        const std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;

        if (line.find('\0') != std::string_view::npos) {
            file.nul = number;
            return file;
        }
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        file.lines.push_back({number, line, readHandlingLine(line, game)});
        if (file.lines.back().fields.kind == LineKind::End) {
            file.ended = true;
            file.endHasLineBreak = end != std::string_view::npos;
            return file;
        }
    }
    return file;
}

} // namespace bitloom::handling
