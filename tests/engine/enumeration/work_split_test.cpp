// SPDX-License-Identifier: MIT
#include "engine/enumeration/work_split.h"

#include <gtest/gtest.h>

#include <vector>

namespace marvane {
namespace {

using Ranges = std::vector<FirstCards>;

TEST(WorkSplit, CutsWhereTheHandsBeforeComeNearestToEvenShares) {
    // 8 x 20: 160 cards, first cards 0..155. A low first card starts many
    // more hands (card 0: C(159, 4) = 25,637,001) than a high one (card 155: 1).
    struct Case {
        Deck deck;
        std::uint32_t shares;
        Ranges expected;
    };
    const Case cases[] = {
        {{8, 20}, 1, {{0, 156}}},
        // 403,418,504 hands before card 20; half of 820,384,032 is 410,192,016.
        {{8, 20}, 2, {{0, 20}, {20, 156}}},
        {{8, 20}, 3, {{0, 12}, {12, 31}, {31, 156}}},
        {{8, 20}, 4, {{0, 9}, {9, 20}, {20, 38}, {38, 156}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(splitFirstCardsByHands(c.deck, c.shares), c.expected) << c.shares << " shares";
    }
}

TEST(WorkSplit, MoreSharesThanFirstCardsStillCoverEveryCardOnce) {
    const Deck deck{4, 7};  // 24 first cards
    const Ranges ranges = splitFirstCardsByHands(deck, 40);
    ASSERT_EQ(ranges.size(), 40u);
    std::uint32_t next = 0;
    for (const FirstCards& range : ranges) {
        EXPECT_EQ(range.begin, next);
        EXPECT_LE(range.begin, range.end);
        next = range.end;
    }
    EXPECT_EQ(next, 24u);
}

TEST(WorkSplit, NoSharesOrAnInadmissibleDeckGiveNone) {
    EXPECT_TRUE(splitFirstCardsByHands({8, 20}, 0).empty());
    EXPECT_TRUE(splitFirstCardsByHands({3, 20}, 2).empty());
    EXPECT_TRUE(splitFirstCardsByHands({8, 21}, 2).empty());
}

}  // namespace
}  // namespace marvane
