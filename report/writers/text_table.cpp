// SPDX-License-Identifier: MIT
#include "report/writers/text_table.h"

#include <algorithm>

namespace marvane {

namespace {
constexpr std::string_view kColumnGap = "  ";
}

void TextTable::addColumn(std::string heading, Align align) {
    columns_.push_back({std::move(heading), align});
}

void TextTable::addRow(std::vector<std::string> cells) {
    cells.resize(columns_.size());
    rows_.push_back(std::move(cells));
}

void TextTable::write(std::ostream& out) const {
    std::vector<std::size_t> widths;
    std::vector<std::string> headings;
    for (const Column& column : columns_) {
        widths.push_back(column.heading.size());
        headings.push_back(column.heading);
    }
    for (const auto& row : rows_) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    writeLine(out, headings, widths);
    for (const auto& row : rows_) {
        writeLine(out, row, widths);
    }
}

void TextTable::writeLine(std::ostream& out, const std::vector<std::string>& cells,
                          const std::vector<std::size_t>& widths) const {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += kColumnGap;
        }
        const std::string padding(widths[i] - cells[i].size(), ' ');
        line += columns_[i].align == Align::Right ? padding + cells[i] : cells[i] + padding;
    }
    // Left-aligned last columns would otherwise leave blanks at the line ends.
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

}  // namespace marvane
