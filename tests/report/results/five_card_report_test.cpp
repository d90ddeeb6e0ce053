// SPDX-License-Identifier: MIT
#include "report/results/five_card_report.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "report/results/count_request.h"

namespace marvane {
namespace {

TEST(FiveCardReport, EnumerationFillsBothColumnsAndStepsProgress) {
    int ticks = 0;
    FiveCardReportBuilder builder(
        {.deck = {4, 7}, .enumerate = true, .progress = [&ticks](std::uint64_t, std::uint64_t) {
             ++ticks;
             return true;
         }});
    EXPECT_EQ(builder.report().hands, 98280u);
    EXPECT_EQ(fiveCardProgressTicks({4, 7}), 1002u);  // 98 hands per tick
    builder.enumerate();
    const FiveCardReport report = builder.finish();
    EXPECT_EQ(ticks, 1002);
    EXPECT_EQ(report.state.handCounter, 98280u);
    EXPECT_TRUE(report.mismatches.empty());
    ASSERT_EQ(report.rows.size(), kCategoryCount);
    for (const ReportRow& row : report.rows) {
        EXPECT_EQ(row.enumerated, row.computed) << row.name;
    }
}

// 5 x 7 from the worked tables: rows ascending by Total, ties in the order
// the list shows before sorting, odds from the source count.
TEST(FiveCardReport, RowsOfFiveBySevenInDisplayOrder) {
    const FiveCardReport report = buildFiveCardReport({.deck = {5, 7}});
    EXPECT_EQ(report.hands, 324632u);
    EXPECT_FALSE(report.floatingPath);
    EXPECT_FALSE(report.enumerated);
    const std::vector<std::tuple<std::string_view, std::uint32_t, std::uint32_t>> expected = {
        {"Five of a Kind", 7, 7},
        {"Straight Flush", 20, 20},
        {"Flush", 85, 105},
        {"Rainbow 4 of a Kind", 210, 217},
        {"Rainbow Full House", 420, 427},
        {"Rainbow Straight", 480, 480},
        {"Hypochromatic 4 of a Kind", 840, 1057},
        {"Rainbow 3 of a Kind", 2100, 2737},
        {"Rainbow 2 Pair", 3150, 3787},
        {"Hypochromatic Full House", 3780, 4207},
        {"Hypochromatic Straight", 12000, 12500},
        {"Rainbow 1 Pair", 8400, 14287},
        {"Rainbow", 2040, 16807},
        {"Hypochromatic 3 of a Kind", 24150, 31507},
        {"Hypochromatic 2 Pair", 49350, 57757},
        {"Hypochromatic 1 Pair", 166600, 259007},
        {"Garbage", 51000, 324632},
    };
    ASSERT_EQ(report.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& [name, computed, total] = expected[i];
        EXPECT_EQ(report.rows[i].name, name) << i;
        EXPECT_EQ(report.rows[i].enumerated, std::nullopt) << name;
        EXPECT_EQ(report.rows[i].computed, computed) << name;
        EXPECT_EQ(report.rows[i].total, total) << name;
    }
    EXPECT_EQ(report.rows[11].odds, "1 in 38.6");  // Rainbow 1 Pair: 324632 / 8400
    EXPECT_DOUBLE_EQ(report.rows[12].probability, 2040.0 / 324632.0);
}

TEST(FiveCardReport, StarFollowsTheLastBinomial) {
    EXPECT_TRUE(buildFiveCardReport({.deck = {5, 19}}).floatingPath);   // 95 cards
    EXPECT_FALSE(buildFiveCardReport({.deck = {7, 13}}).floatingPath);  // 91 cards
}

TEST(FiveCardReport, RefusesDecksOutsideTheRanges) {
    EXPECT_THROW(buildFiveCardReport({.deck = {3, 13}}), std::invalid_argument);
    EXPECT_THROW(buildFiveCardReport({.deck = {9, 13}}), std::invalid_argument);
    EXPECT_THROW(buildFiveCardReport({.deck = {4, 21}, .enumerate = true}), std::invalid_argument);
}

}  // namespace
}  // namespace marvane
