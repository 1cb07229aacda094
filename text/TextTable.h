// Rows of text cells, written in columns as wide as their widest cell.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bitloom::text {

class TextTable {
public:
    // leading: written before each row.
    explicit TextTable(std::string leading = {});

    void addRow(std::vector<std::string> cells);
    // The last cell of each row is not padded.
    void write(std::ostream &out) const;

private:
    std::string leading;
    std::vector<std::vector<std::string>> rows;
};

// Characters on screen: every byte but UTF-8 continuation bytes.
std::size_t displayWidth(std::string_view text);

} // namespace bitloom::text
