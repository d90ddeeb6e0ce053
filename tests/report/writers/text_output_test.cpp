// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>

#include "report/writers/csv_field.h"
#include "report/writers/text_table.h"

namespace marvane {
namespace {

TEST(CsvField, QuotesOnlyWhereNeeded) {
    EXPECT_EQ(csvField("Rainbow 4 of a Kind"), "Rainbow 4 of a Kind");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
}

TEST(TextTable, PadsColumnsWithoutTrailingBlanks) {
    TextTable table;
    table.addColumn("Hand", TextTable::Align::Left);
    table.addColumn("Total", TextTable::Align::Right);
    table.addColumn("Odds", TextTable::Align::Left);
    table.addRow({"Flush", "5148", "1 in 505"});
    table.addRow({"Garbage", "2598960"});  // short row: blank cells
    std::ostringstream out;
    table.write(out);
    EXPECT_EQ(out.str(),
              "Hand       Total  Odds\n"
              "Flush       5148  1 in 505\n"
              "Garbage  2598960\n");
}

}  // namespace
}  // namespace marvane
