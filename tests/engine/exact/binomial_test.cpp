// SPDX-License-Identifier: MIT
#include "engine/exact/binomial.h"

#include <gtest/gtest.h>

#include "engine/exact/five_card_formulas.h"

namespace marvane {
namespace {

TEST(Binomial, KnownValues) {
    EXPECT_EQ(binomial(5, 5), 1u);
    EXPECT_EQ(binomial(4, 5), 0u);
    EXPECT_EQ(binomial(0, 1), 0u);
    EXPECT_EQ(binomial(7, 0), 1u);
    EXPECT_EQ(binomial(52, 5), 2'598'960u);
    EXPECT_EQ(binomial(91, 5), 46'504'458u);
    EXPECT_EQ(binomial(160, 5), 820'384'032u);
}

TEST(Binomial, FloatingPathIsDecidedByTheOutermostLevel) {
    // C(n - 1, 5) first exceeds 49,000,000 at n = 93.
    for (std::uint32_t n : {80u, 91u, 92u}) {
        bool floating = true;
        binomial(n, 5, floating);
        EXPECT_FALSE(floating) << n;
    }
    for (std::uint32_t n : {93u, 95u, 96u, 160u}) {
        bool floating = false;
        binomial(n, 5, floating);
        EXPECT_TRUE(floating) << n;
    }
}

TEST(Binomial, BaseCasesLeaveTheDecisionAsItWas) {
    for (bool before : {false, true}) {
        bool floating = before;
        binomial(4, 5, floating);
        EXPECT_EQ(floating, before);
        binomial(5, 5, floating);
        EXPECT_EQ(floating, before);
    }
}

TEST(Binomial, ExactForEveryDeckSizeOnBothPaths) {
    for (std::uint32_t n = 28; n <= 160; ++n) {
        std::uint64_t exact = 1;
        for (std::uint64_t j = 0; j < 5; ++j) {
            exact = exact * (n - j) / (j + 1);
        }
        EXPECT_EQ(binomial(n, 5), exact) << n;
    }
}

TEST(Binomial, ArgumentsFarOutsideTheDeckRangeStayDefined) {
    // The 32-bit intermediate wraps here; what matters is a defined result
    // and no out-of-range conversion from double.
    const std::uint32_t first = binomial(100'000, 5);
    EXPECT_EQ(binomial(100'000, 5), first);
    EXPECT_EQ(binomial(4'294'967'295u, 4'294'967'294u), 4'294'967'295u);
}

TEST(Falling, KnownValues) {
    EXPECT_EQ(falling(4, 5), 0u);
    EXPECT_EQ(falling(7, 0), 1u);
    EXPECT_EQ(falling(20, 5), 1'860'480u);
    EXPECT_EQ(falling(5, 5), 120u);
}

TEST(ComputeCounts, StarShowsExactlyForDecksOf93CardsOrMore) {
    struct Case {
        Deck deck;
        bool star;
    };
    for (const Case& c : {Case{{4, 20}, false}, Case{{7, 13}, false}, Case{{5, 19}, true},
                          Case{{8, 12}, true}, Case{{8, 20}, true}, Case{{4, 7}, false}}) {
        for (bool before : {false, true}) {
            bool floating = before;
            compute_counts(c.deck, floating);
            EXPECT_EQ(floating, c.star) << c.deck.suits << "x" << c.deck.ranks;
        }
    }
}

}  // namespace
}  // namespace marvane
