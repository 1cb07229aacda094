// A plain-text table: a heading row, then rows of cells and full-width
// section titles; columns are as wide as their widest cell.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bitloom::bench {

class ResultTable {
public:
    explicit ResultTable(std::vector<std::string> headings);

    void addSection(const std::string &title);
    // Missing trailing cells are left empty.
    void addRow(std::vector<std::string> cells);

    void print(std::ostream &out) const;

private:
    struct Line {
        bool isSection = false;
        std::vector<std::string> cells;
    };

    std::vector<std::string> m_headings;
    std::vector<Line> m_lines;
};

} // namespace bitloom::bench
