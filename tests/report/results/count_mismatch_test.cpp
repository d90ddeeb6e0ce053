// SPDX-License-Identifier: MIT
#include "report/results/count_mismatch.h"

#include <gtest/gtest.h>

#include "engine/exact/five_card_formulas.h"

namespace marvane {
namespace {

TEST(CountMismatch, ReportsEveryDifferingCategoryInIndexOrder) {
    const CategoryCounts computed = compute_counts({5, 7});
    CategoryCounts enumerated = computed;
    EXPECT_TRUE(findCountMismatches(enumerated, computed).empty());
    enumerated[HandCategory::Garbage] += 1;
    enumerated[HandCategory::FiveOfAKind] = 0;

    const auto mismatches = findCountMismatches(enumerated, computed);
    ASSERT_EQ(mismatches.size(), 2u);
    EXPECT_EQ(mismatches[0], (CountMismatch{HandCategory::FiveOfAKind, 0, 7}));
    EXPECT_EQ(mismatches[1], (CountMismatch{HandCategory::Garbage, 51001, 51000}));
}

TEST(CountMismatch, DescriptionNamesDeckHandCategoryAndBothCounts) {
    struct Case {
        std::uint32_t cards, jokers;
        const char* expected;
    };
    for (const Case& c : {
             Case{5, 0, "5 suits x 7 ranks: Flush: enumerated 84, computed 85"},
             Case{6, 0, "5 suits x 7 ranks, 6 cards: Flush: enumerated 84, computed 85"},
             Case{5, 1, "5 suits x 7 ranks, 5 cards, 1 joker: Flush: enumerated 84, computed 85"},
             Case{7, 2, "5 suits x 7 ranks, 7 cards, 2 jokers: Flush: enumerated 84, computed 85"},
         }) {
        EXPECT_EQ(describeMismatch({5, 7}, c.cards, c.jokers, {HandCategory::Flush, 84, 85}),
                  c.expected);
    }
}

}  // namespace
}  // namespace marvane
