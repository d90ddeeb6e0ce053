#include "report_format.h"

#include <gtest/gtest.h>

#include <sstream>

#include "csv_field.h"
#include "text_table.h"

namespace marvane {
namespace {

TEST(CsvField, QuotesOnlyWhereNeeded) {
    EXPECT_EQ(csvField("Rainbow 4 of a Kind"), "Rainbow 4 of a Kind");
    EXPECT_EQ(csvField("1 in 4.17"), "1 in 4.17");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvField(""), "");
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

TEST(ReportFormat, JsonRowOfANeverHandHasNullOdds) {
    const nlohmann::ordered_json deck = deckJson(buildDeckReport({4, 13}, false), true);
    const auto& top = deck["rows"][0];
    EXPECT_EQ(top["name"], "Five of a Kind");
    EXPECT_EQ(top["probability"], 0.0);
    EXPECT_TRUE(top["odds"].is_null());
    // Odds come from the category's own count, not from its Total (every hand).
    EXPECT_EQ(deck["rows"][16]["odds"], "1 in 2.00");
}

TEST(ReportFormat, FormatNamesAreExact) {
    EXPECT_EQ(reportFormatFromName("csv"), ReportFormat::Csv);
    EXPECT_EQ(reportFormatFromName("json"), ReportFormat::Json);
    EXPECT_EQ(reportFormatFromName("table"), ReportFormat::Table);
    EXPECT_EQ(reportFormatFromName("CSV"), std::nullopt);
    EXPECT_EQ(reportFormatFromName(""), std::nullopt);
}

TEST(ReportFormat, EnumeratedColumnOnlyWhenEnumerating) {
    const std::vector<DeckReport> reports = {buildDeckReport({4, 7}, true)};
    std::ostringstream csv;
    writeReports(csv, reports, {ReportFormat::Csv, false, false});
    EXPECT_EQ(csv.str().substr(0, csv.str().find('\n')),
              "suits,ranks,hands,floating_path,index,hand,enumerated,computed,total");

    std::ostringstream table;
    writeReports(table, reports, {ReportFormat::Table, true, false});
    EXPECT_NE(table.str().find("Hand                       Enumerated  Computed  Total"),
              std::string::npos);
}

}  // namespace
}  // namespace marvane
