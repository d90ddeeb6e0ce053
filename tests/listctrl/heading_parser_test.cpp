// SPDX-License-Identifier: MIT
#include "listctrl/heading_parser.h"

#include "tests/listctrl/qt_printers.h"

#include <gtest/gtest.h>

#include <climits>

namespace marvane {
void PrintTo(const ColumnSpec& column, std::ostream* out) {
    *out << "{\"" << column.title.toStdString() << "\", " << static_cast<int>(column.alignment)
         << ", " << column.width << "}";
}
}  // namespace marvane

namespace {

using marvane::ColumnSpec;
constexpr auto Left = marvane::HeadingAlignment::Left;
constexpr auto Right = marvane::HeadingAlignment::Right;
constexpr auto Center = marvane::HeadingAlignment::Center;

TEST(parseHeadings, Examples) {
    const std::pair<const char*, QList<ColumnSpec>> cases[] = {
        {"Hand, 140; Enumerated, 80; Computed, 70; Total, 70",
         {{"Hand", Left, 140},
          {" Enumerated", Left, 80},
          {" Computed", Left, 70},
          {" Total", Left, 70}}},
        {"A, 1, 50; B, 2, 60; D, 3, 70", {{"A", Center, 50}, {" B", Right, 60}, {" D", Left, 70}}},
        {"A, 0", {{"A", Left, 1}}},
        {"A,", {{"A", Left, 1}}},
        {"A, x", {{"A", Left, 1}}},
        {"A, 50; B; D, 70", {{"A", Left, 50}}},  // stops at a segment without ","
        {"", {}},
        {"A, 50;", {{"A", Left, 50}}},
        {"A, 1, 2, 3", {{"A", Center, 2}}},  // the width text " 2, 3" reads as 2
        {"A, 99999999999", {{"A", Left, INT_MAX}}},
        {" x , 99999999999, 5;,2,6", {{" x ", Left, 5}, {"", Right, 6}}},
    };
    for (const auto& [headings, columns] : cases) {
        EXPECT_EQ(marvane::parseHeadings(headings), columns) << headings;
    }
}

}  // namespace
