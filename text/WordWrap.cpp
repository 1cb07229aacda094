#include "WordWrap.h"

#include "TextTable.h"

#include <algorithm>

namespace bitloom::text {

void appendWrapped(std::string &out, std::string_view text, std::size_t width, std::size_t indent,
                   std::size_t column)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view paragraph = text.substr(start, end - start);
        start = end + 1;
        if (paragraph.starts_with("  ")) {
            out.append(paragraph).append("\n");
            column = 0;
            continue;
        }
        out.append(indent > column ? indent - column : 0, ' ');
        column = std::max(column, indent);
        bool lineEmpty = true;
        std::size_t word = paragraph.find_first_not_of(' ');
        while (word != std::string_view::npos) {
            const std::size_t wordEnd = std::min(paragraph.find(' ', word), paragraph.size());
            const std::string_view next = paragraph.substr(word, wordEnd - word);
            if (!lineEmpty && column + 1 + displayWidth(next) > width) {
                out.append("\n").append(indent, ' ');
                column = indent;
                lineEmpty = true;
            }
            if (!lineEmpty) {
                out += ' ';
                ++column;
            }
            out += next;
            column += displayWidth(next);
            lineEmpty = false;
            word = paragraph.find_first_not_of(' ', wordEnd);
        }
        out += '\n';
        column = 0;
    }
}

} // namespace bitloom::text
