// SPDX-License-Identifier: MIT
#include "report/results/result_rows.h"

#include <gtest/gtest.h>

#include "engine/exact/five_card_formulas.h"
#include "engine/vocabulary/totals.h"

namespace marvane {
namespace {

EngineState stateFor(Deck deck) {
    EngineState state;
    state.computed = compute_counts(deck);
    state.enumerated = state.computed;
    state.enumerated[HandCategory::Flush] += 1;  // so the two columns can be told apart
    state.totals = computeTotals(state.computed);
    return state;
}

TEST(ResultRows, TextsPerColumnSetInAddOrder) {
    const EngineState state = stateFor({4, 13});

    const std::vector<ResultRow> plain = resultRows(state, false);
    ASSERT_EQ(plain.size(), kCategoryCount);
    EXPECT_EQ(plain.front().texts, (std::vector<std::string>{"Garbage", "1302540", "2598960"}));
    EXPECT_EQ(plain.back().texts, (std::vector<std::string>{"Five of a Kind", "0", "0"}));

    const std::vector<ResultRow> enumerated = resultRows(state, true);
    EXPECT_EQ(enumerated[10].category, HandCategory::Flush);
    EXPECT_EQ(enumerated[10].texts, (std::vector<std::string>{"Flush", "5109", "5108", "5148"}));

    std::vector<HandCategory> order;
    for (const ResultRow& row : plain) {
        order.push_back(row.category);
    }
    const std::vector<int> expected = {16, 10, 8, 15, 6, 9, 14, 7, 5, 4, 12, 2, 3, 13, 1, 11, 0};
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        EXPECT_EQ(indexOf(order[i]), static_cast<std::size_t>(expected[i])) << i;
    }
}

TEST(ResultRows, NumbersHaveNoSeparators) {
    EXPECT_EQ(formatCount(820'384'032), "820384032");
    EXPECT_EQ(formatCount(4'294'967'295u), "4294967295");
}

TEST(ResultRows, DisplayOrderIsAscendingByTotalAndStableForTies) {
    // 4x13: every rainbow category and Five of a Kind tie at 0 and keep the
    // order the list shows before sorting.
    const CategoryCounts totals = computeTotals(compute_counts({4, 13}));
    const auto order = displayOrder(totals);
    const std::vector<HandCategory> expectedStart = {
        HandCategory::FiveOfAKind,
        HandCategory::Rainbow4OfAKind,
        HandCategory::RainbowStraight,
        HandCategory::RainbowFullHouse,
        HandCategory::Rainbow3OfAKind,
        HandCategory::Rainbow2Pair,
        HandCategory::Rainbow1Pair,
        HandCategory::Rainbow,
        HandCategory::StraightFlush,
        HandCategory::Hypochromatic4OfAKind,
        HandCategory::HypochromaticFullHouse,
        HandCategory::Flush,
        HandCategory::HypochromaticStraight,
    };
    for (std::size_t i = 0; i < expectedStart.size(); ++i) {
        EXPECT_EQ(order[i], expectedStart[i]) << i;
    }
    EXPECT_EQ(order.back(), HandCategory::Garbage);
}

TEST(Totals, RainbowFourOfAKindIncludesFiveOfAKind) {
    CategoryCounts source;
    source[HandCategory::FiveOfAKind] = 7;
    source[HandCategory::Rainbow4OfAKind] = 210;
    source[HandCategory::Hypochromatic4OfAKind] = 840;
    const CategoryCounts totals = computeTotals(source);
    EXPECT_EQ(totals[HandCategory::Rainbow4OfAKind], 217u);
    EXPECT_EQ(totals[HandCategory::Hypochromatic4OfAKind], 1'057u);
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        EXPECT_TRUE(dominanceSet(*categoryFromIndex(i)) & (1u << i)) << i;
    }
}

}  // namespace
}  // namespace marvane
