// SPDX-License-Identifier: MIT
#include "engine/exact/k_card_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "engine/exact/five_card_formulas.h"
#include "engine/reference/best_of_k_reference.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

using enum HandCategory;

TEST(KCardCount, SevenCardsOfTheFiftyTwoCardDeckGiveThePublishedTable) {
    const Deck deck{4, 13};
    EXPECT_EQ(countKCards(deck, 7, defaultOrder(deck, 7, 0)), published::sevenCardCounts());
}

TEST(KCardCount, FiveCardsGiveTheClosedFormsInEveryDeckUnderAnyOrder) {
    for (std::uint32_t suits = kMinSuits; suits <= kMaxSuits; ++suits) {
        for (std::uint32_t ranks = kMinRanks; ranks <= kMaxRanks; ++ranks) {
            const Deck deck{suits, ranks};
            const CategoryCounts closed = compute_counts(deck);
            CategoryOrder reversed = defaultOrder(deck, kHandSize, 0);
            std::reverse(reversed.begin(), reversed.end());
            const CategoryCounts64 counts = countKCards(deck, 5, reversed);
            for (std::size_t c = 0; c < kCategoryCount; ++c) {
                EXPECT_EQ(counts[c], closed[c]) << suits << "x" << ranks << " category " << c;
            }
        }
    }
}

TEST(KCardCount, EveryHandIsCountedOnceInTheLargestDecks) {
    for (Deck deck : {Deck{8, 20}, Deck{5, 20}, Deck{8, 7}}) {
        for (std::uint32_t cards : {3u, 4u, 6u, 7u, 8u}) {
            const KCardCountTable table(deck, cards);
            EXPECT_EQ(table.counts(defaultOrder(deck, cards, 0)).sum(),
                      choose64(deck.cardCount(), cards))
                << deck.suits << "x" << deck.ranks << " " << cards;
        }
    }
    EXPECT_EQ(choose64(160, 7), 466'251'591'520u);
    EXPECT_EQ(choose64(164, 8), 10'912'535'409'348u);
}

// The default order, its reverse and a shuffle: each order must move hands
// to other categories in exactly the reference's way.
std::vector<CategoryOrder> ordersFor(Deck deck, std::uint32_t cards) {
    CategoryOrder reversed = defaultOrder(deck, cards, 0);
    std::reverse(reversed.begin(), reversed.end());
    CategoryOrder shuffled = defaultOrder(deck, cards, 0);
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(deck.suits * 100 + deck.ranks));
    return {defaultOrder(deck, cards, 0), reversed, shuffled};
}

struct SmallDeck {
    Deck deck;
    std::uint32_t cards;
};

// The 52-card deck at three and four cards, each hand classed as itself.
TEST(KCardCount, ThreeAndFourCardsOfTheFiftyTwoCardDeckGiveThePublishedTables) {
    const Deck deck{4, 13};
    EXPECT_EQ(countKCards(deck, 3, defaultOrder(deck, 3, 0)), published::threeCardCounts());
    EXPECT_EQ(countKCards(deck, 4, defaultOrder(deck, 4, 0)), published::fourCardCounts());
    // Below five cards the deck's own order is those hands' own, rarest
    // first: four suits rank a Rainbow of four cards above one pair.
    CategoryOrder fourCards;
    for (const published::PublishedCount& entry : published::kFourCards) {
        fourCards.push_back(entry.category);
    }
    EXPECT_EQ(defaultOrder(deck, 4, 0), fourCards);
}

TEST(KCardCount, AgreesWithTheReferenceOnSmallDecks) {
    for (SmallDeck small :
         {SmallDeck{{4, 7}, 6}, SmallDeck{{4, 7}, 7}, SmallDeck{{5, 7}, 6}, SmallDeck{{4, 9}, 6},
          SmallDeck{{4, 7}, 3}, SmallDeck{{4, 7}, 4}, SmallDeck{{5, 7}, 3}, SmallDeck{{5, 7}, 4},
          SmallDeck{{8, 7}, 3}, SmallDeck{{8, 7}, 4}}) {
        const KCardCountTable table(small.deck, small.cards);
        const std::vector<CategoryOrder> orders = ordersFor(small.deck, small.cards);
        // One reference run gives every order at once: classify each hand under each.
        std::vector<CategoryCounts64> expected(orders.size());
        std::vector<OrderPlaces> places;
        for (const CategoryOrder& order : orders) {
            places.push_back(placesOf(order));
        }
        const auto reference = enumerateKCardsReference(
            small.deck, small.cards, orders[0], [&](const Hand& hand, HandCategory category) {
                // Below five cards a hand has one category under any order.
                for (std::size_t o = 1; o < orders.size(); ++o) {
                    ++expected[o][hand.size() < kHandSize
                                      ? category
                                      : bestOfFives(hand, small.deck, places[o])];
                }
            });
        ASSERT_TRUE(reference);
        expected[0] = *reference;
        for (std::size_t o = 0; o < orders.size(); ++o) {
            EXPECT_EQ(table.counts(orders[o]), expected[o])
                << small.deck.suits << "x" << small.deck.ranks << " " << small.cards
                << " cards, order " << o;
        }
    }
}

TEST(KCardCount, RefusesWhatItCannotCount) {
    EXPECT_THROW(KCardCountTable(Deck{4, 13}, 9), std::invalid_argument);
    EXPECT_THROW(KCardCountTable(Deck{4, 13}, 2), std::invalid_argument);
    EXPECT_THROW(KCardCountTable(Deck{9, 13}, 6), std::invalid_argument);
    const KCardCountTable table(Deck{4, 13}, 6);
    CategoryOrder missing = defaultOrder(Deck{4, 13}, 6, 0);
    missing.pop_back();
    EXPECT_THROW((void)table.counts(missing), std::invalid_argument);
    CategoryOrder twice = defaultOrder(Deck{4, 13}, 6, 0);
    twice.push_back(twice.front());
    EXPECT_THROW((void)table.counts(twice), std::invalid_argument);
    // Categories a four-suit deck has no hands of may stay out or come in.
    CategoryOrder withRainbow = defaultOrder(Deck{4, 13}, 6, 0);
    withRainbow.insert(withRainbow.begin(), Rainbow);
    EXPECT_EQ(table.counts(withRainbow), table.counts(defaultOrder(Deck{4, 13}, 6, 0)));
}

}  // namespace
}  // namespace marvane
