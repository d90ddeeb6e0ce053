// SPDX-License-Identifier: MIT
#include "report/count_mismatch.h"

#include <gtest/gtest.h>

#include "engine/closed_form.h"

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

TEST(CountMismatch, DescriptionNamesDeckCategoryAndBothCounts) {
    EXPECT_EQ(describeMismatch({5, 7}, {HandCategory::Flush, 84, 85}),
              "5 suits x 7 ranks: Flush: enumerated 84, computed 85");
}

}  // namespace
}  // namespace marvane
