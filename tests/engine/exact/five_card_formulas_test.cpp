// SPDX-License-Identifier: MIT
#include "engine/exact/five_card_formulas.h"

#include <gtest/gtest.h>

#include "engine/exact/binomial.h"
#include "engine/vocabulary/totals.h"

namespace marvane {
namespace {

using Table = std::array<std::uint32_t, kCategoryCount>;

struct WorkedDeck {
    Deck deck;
    Table counts;
    Table totals;
};

// Worked tables, by category index 0..16.
const WorkedDeck kWorked[] = {
    {{4, 13},
     {0, 0, 624, 0, 3'744, 0, 54'912, 0, 123'552, 0, 1'098'240, 40, 5'108, 0, 10'200, 0, 1'302'540},
     {0, 0, 624, 0, 3'744, 0, 59'280, 0, 127'920, 0, 1'281'072, 40, 5'148, 0, 10'240, 0,
      2'598'960}},
    {{5, 7},
     {7, 210, 840, 420, 3'780, 2'100, 24'150, 3'150, 49'350, 8'400, 166'600, 20, 85, 480, 12'000,
      2'040, 51'000},
     {7, 217, 1'057, 427, 4'207, 2'737, 31'507, 3'787, 57'757, 14'287, 259'007, 20, 105, 480,
      12'500, 16'807, 324'632}},
    {{8, 20},
     {1'120, 106'400, 106'400, 212'800, 383'040, 3'830'400, 8'426'880, 5'745'600, 15'704'640,
      65'116'800, 212'714'880, 136, 123'896, 114'240, 442'680, 104'072'640, 403'281'480},
     {1'120, 107'520, 213'920, 213'920, 596'960, 4'150'720, 13'067'040, 6'065'920, 22'260'000,
      75'013'120, 312'348'960, 136, 124'032, 114'240, 557'056, 179'200'000, 820'384'032}},
};

TEST(ComputeCounts, WorkedTablesAndTheirTotals) {
    for (const WorkedDeck& w : kWorked) {
        const CategoryCounts counts = compute_counts(w.deck);
        EXPECT_EQ(counts.values(), w.counts) << w.deck.suits << "x" << w.deck.ranks;
        EXPECT_EQ(computeTotals(counts).values(), w.totals) << w.deck.suits << "x" << w.deck.ranks;
    }
}

TEST(ComputeCounts, EveryAdmissibleDeckAddsUpToAllHands) {
    for (std::uint32_t s = kMinSuits; s <= kMaxSuits; ++s) {
        for (std::uint32_t r = kMinRanks; r <= kMaxRanks; ++r) {
            const CategoryCounts counts = compute_counts({s, r});
            EXPECT_EQ(counts.sum(), binomial(s * r, 5)) << s << "x" << r;
            // Garbage is the remainder, so a formula that overshoots would wrap it.
            EXPECT_LT(counts[HandCategory::Garbage], binomial(s * r, 5)) << s << "x" << r;
            EXPECT_EQ(computeTotals(counts)[HandCategory::Garbage], binomial(s * r, 5));
        }
    }
}

TEST(ComputeCounts, FourSuitsHaveNoRainbowAndNoFiveOfAKind) {
    for (std::uint32_t r = kMinRanks; r <= kMaxRanks; ++r) {
        const CategoryCounts counts = compute_counts({4, r});
        for (HandCategory c : {HandCategory::FiveOfAKind, HandCategory::Rainbow4OfAKind,
                               HandCategory::RainbowFullHouse, HandCategory::Rainbow3OfAKind,
                               HandCategory::Rainbow2Pair, HandCategory::Rainbow1Pair,
                               HandCategory::RainbowStraight, HandCategory::Rainbow}) {
            EXPECT_EQ(counts[c], 0u) << displayName(c) << " with " << r << " ranks";
        }
    }
}

}  // namespace
}  // namespace marvane
