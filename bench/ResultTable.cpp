#include "ResultTable.h"

#include <algorithm>

namespace bitloom::bench {

namespace {

constexpr std::string_view columnGap = "  ";

// Columns are counted in characters, not bytes: the labels hold UTF-8.
std::size_t displayWidth(const std::string &text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void printPadded(std::ostream &out, const std::string &text, std::size_t width)
{
    out << text << std::string(width - std::min(width, displayWidth(text)), ' ');
}

} // namespace

ResultTable::ResultTable(std::vector<std::string> headings)
    : m_headings(std::move(headings))
{
}

void ResultTable::addSection(const std::string &title)
{
    m_lines.push_back({true, {title}});
}

void ResultTable::addRow(std::vector<std::string> cells)
{
    cells.resize(m_headings.size());
    m_lines.push_back({false, std::move(cells)});
}

void ResultTable::print(std::ostream &out) const
{
    std::vector<std::size_t> widths;
    for (const std::string &heading : m_headings)
        widths.push_back(displayWidth(heading));
    for (const Line &line : m_lines) {
        if (line.isSection)
            continue;
        for (std::size_t column = 0; column < widths.size(); ++column)
            widths[column] = std::max(widths[column], displayWidth(line.cells[column]));
    }
    std::size_t total = 0;
    for (std::size_t width : widths)
        total += width + columnGap.size();
    total -= columnGap.size();

    const auto printCells = [&](const std::vector<std::string> &cells) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            if (column + 1 == widths.size()) {
                out << cells[column];
            } else {
                printPadded(out, cells[column], widths[column]);
                out << columnGap;
            }
        }
        out << '\n';
    };
    const std::string rule(total, '-');
    out << rule << '\n';
    printCells(m_headings);
    out << rule << '\n';
    for (const Line &line : m_lines) {
        if (line.isSection)
            out << line.cells.front() << '\n';
        else
            printCells(line.cells);
    }
    out << rule << '\n';
}

} // namespace bitloom::bench
