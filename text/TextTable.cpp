#include "TextTable.h"

#include <algorithm>
#include <utility>

namespace bitloom::text {

namespace {

constexpr std::string_view gap = "  ";

void writePadded(std::ostream &out, std::string_view text, std::size_t width)
{
    out << text;
    for (std::size_t used = displayWidth(text); used < width; ++used)
        out << ' ';
}

} // namespace

std::size_t displayWidth(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

TextTable::TextTable(std::string leading)
    : leading(std::move(leading))
{
}

void TextTable::addRow(std::vector<std::string> cells)
{
    rows.push_back(std::move(cells));
}

void TextTable::write(std::ostream &out) const
{
    std::vector<std::size_t> widths;
    for (const auto &row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(row[i]));
    }
    for (const auto &row : rows) {
        // Empty cells at the end of a row leave no blanks behind.
        std::size_t used = row.size();
        while (used > 0 && row[used - 1].empty())
            --used;
        out << leading;
        for (std::size_t i = 0; i < used; ++i) {
            if (i > 0)
                out << gap;
            if (i + 1 == used)
                out << row[i];
            else
                writePadded(out, row[i], widths[i]);
        }
        out << '\n';
    }
}

} // namespace bitloom::text
