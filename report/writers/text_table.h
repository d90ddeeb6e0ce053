// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace marvane {

// A plain-text table with columns padded to their widest cell, for reading
// on a terminal. Text columns are left-aligned, number columns right-aligned.
class TextTable {
public:
    enum class Align { Left, Right };

    void addColumn(std::string heading, Align align);
    // Missing cells at the end of a row are left blank; extra cells are dropped.
    void addRow(std::vector<std::string> cells);
    void write(std::ostream& out) const;

private:
    struct Column {
        std::string heading;
        Align align;
    };

    void writeLine(std::ostream& out, const std::vector<std::string>& cells,
                   const std::vector<std::size_t>& widths) const;

    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace marvane
