// SPDX-License-Identifier: MIT
#include "engine/enumeration/k_card_enumerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <vector>

#include "engine/enumeration/five_card_hands.h"
#include "engine/exact/k_card_count.h"
#include "engine/reference/best_of_k_reference.h"

namespace marvane {
namespace {

struct Case {
    Deck deck;
    std::uint32_t cards;
    bool reversedOrder;
};

CategoryOrder orderFor(const Case& c) {
    CategoryOrder order = defaultOrder(c.deck, c.cards, 0);
    if (c.reversedOrder) {
        std::reverse(order.begin(), order.end());
    }
    return order;
}

// Hand by hand: the same hands in the same order, each in the reference's category.
TEST(KCardEnumerator, VisitsEveryHandInTheReferencesOrderAndCategory) {
    for (const Case& c : {Case{{4, 7}, 6, false}, Case{{4, 7}, 7, true}, Case{{5, 7}, 6, true},
                          Case{{5, 7}, 6, false}, Case{{4, 9}, 6, false}, Case{{4, 7}, 3, false},
                          Case{{4, 7}, 4, true}, Case{{5, 7}, 3, true}, Case{{8, 7}, 4, false}}) {
        const CategoryOrder order = orderFor(c);
        std::vector<std::uint8_t> expected;
        const auto reference = enumerateKCardsReference(
            c.deck, c.cards, order, [&](const Hand& hand, HandCategory category) {
                for (const Card& card : hand) {
                    expected.push_back(static_cast<std::uint8_t>(card.number(c.deck.suits)));
                }
                expected.push_back(static_cast<std::uint8_t>(indexOf(category)));
            });
        ASSERT_TRUE(reference);
        std::vector<std::uint8_t> seen;
        seen.reserve(expected.size());
        const EnumerationRun fast = enumerateKCardsVisiting(
            c.deck, c.cards, order, [&](const KCardHand& hand, HandCategory category) {
                seen.insert(seen.end(), hand.begin(), hand.begin() + c.cards);
                seen.push_back(static_cast<std::uint8_t>(indexOf(category)));
            });
        EXPECT_EQ(fast.status, RunStatus::Completed);
        EXPECT_TRUE(seen == expected) << c.deck.suits << "x" << c.deck.ranks << " " << c.cards;
        EXPECT_EQ(fast.counts, *reference);
        // And on threads, without a visitor.
        const EnumerationRun threaded = enumerateKCards(c.deck, c.cards, order, {.workers = 3});
        EXPECT_EQ(threaded.status, RunStatus::Completed);
        EXPECT_EQ(threaded.counts, *reference);
    }
}

// Decks of six to eight suits, where rainbows make the suits of the last two
// cards matter in almost every hand, hand by hand.
TEST(KCardEnumerator, VisitsHandsOfManySuitsInTheReferencesCategory) {
    for (const Case& c : {Case{{8, 7}, 5, false}, Case{{6, 7}, 6, true}, Case{{7, 7}, 5, true}}) {
        const CategoryOrder order = orderFor(c);
        std::vector<std::uint8_t> expected;
        const auto reference = enumerateKCardsReference(
            c.deck, c.cards, order, [&](const Hand&, HandCategory category) {
                expected.push_back(static_cast<std::uint8_t>(indexOf(category)));
            });
        ASSERT_TRUE(reference);
        std::vector<std::uint8_t> seen;
        seen.reserve(expected.size());
        const EnumerationRun fast = enumerateKCardsVisiting(
            c.deck, c.cards, order, [&](const KCardHand&, HandCategory category) {
                seen.push_back(static_cast<std::uint8_t>(indexOf(category)));
            });
        EXPECT_TRUE(seen == expected) << c.deck.suits << "x" << c.deck.ranks << " " << c.cards;
        EXPECT_EQ(fast.counts, *reference);
    }
}

// Seven cards of five suits, six of eight and eight of four: a whole
// reference run takes minutes here, so every hand's category is held against the exact count's
// totals, and a spread-out sample of hands (every `stride`th) against the
// reference classifier.
TEST(KCardEnumerator, LargerDecksAgreeWithTheExactCountAndSampledWithTheReference) {
    struct Sampled {
        Deck deck;
        std::uint32_t cards;
        std::uint32_t stride;
    };
    for (const Sampled& c :
         {Sampled{{5, 7}, 7, 211}, Sampled{{8, 7}, 6, 997}, Sampled{{4, 7}, 8, 97}}) {
        const std::string where = std::to_string(c.deck.suits) + "x" +
                                  std::to_string(c.deck.ranks) + " " + std::to_string(c.cards);
        const CategoryOrder order = defaultOrder(c.deck, c.cards, 0);
        const OrderPlaces places = placesOf(order);
        std::uint32_t seen = 0;
        std::uint32_t sampled = 0;
        std::uint32_t disagreeing = 0;
        Hand hand;
        const EnumerationRun fast = enumerateKCardsVisiting(
            c.deck, c.cards, order, [&](const KCardHand& cards, HandCategory category) {
                if (++seen % c.stride != 0) {
                    return;
                }
                hand.clear();
                for (std::uint32_t i = 0; i < c.cards; ++i) {
                    hand.push_back(Card::fromNumber(cards[i], c.deck.suits));
                }
                ++sampled;
                disagreeing += bestOfFives(hand, c.deck, places) != category ? 1 : 0;
            });
        EXPECT_EQ(fast.status, RunStatus::Completed) << where;
        EXPECT_EQ(fast.counts, countKCards(c.deck, c.cards, order)) << where;
        EXPECT_GT(sampled, 30'000u) << where;
        EXPECT_EQ(disagreeing, 0u) << where;
    }
}

// Any order of the categories: the places of suit-blind prefixes, kept per
// ranks, must follow it as well as the deck's own order.
TEST(KCardEnumerator, CountsUnderShuffledOrdersAsTheReferenceDoes) {
    std::mt19937 random(20240611);
    for (const Case& c : {Case{{4, 7}, 7, false}, Case{{4, 8}, 6, false}, Case{{5, 7}, 6, false}}) {
        for (int round = 0; round < 2; ++round) {
            CategoryOrder order = defaultOrder(c.deck, c.cards, 0);
            std::shuffle(order.begin(), order.end(), random);
            const auto reference = enumerateKCardsReference(c.deck, c.cards, order);
            ASSERT_TRUE(reference);
            const EnumerationRun threaded = enumerateKCards(c.deck, c.cards, order, {.workers = 2});
            EXPECT_EQ(threaded.status, RunStatus::Completed);
            EXPECT_EQ(threaded.counts, *reference)
                << c.deck.suits << "x" << c.deck.ranks << " " << c.cards << " round " << round;
        }
    }
}

TEST(KCardEnumerator, ReportsProgressAndStopsWhenAsked) {
    const Deck deck{4, 13};
    std::uint64_t last = 0;
    bool ascending = true;
    const EnumerationRun stopped =
        enumerateKCards(deck, 7, defaultOrder(deck, 7, 0),
                        {.workers = 2, .progress = [&](std::uint64_t done, std::uint64_t total) {
                             ascending = ascending && done >= last && total == 133'784'560u;
                             last = done;
                             return false;  // stop at the first report
                         }});
    EXPECT_TRUE(ascending);
    EXPECT_EQ(stopped.status, RunStatus::Cancelled);
    EXPECT_LT(stopped.handsVisited, 133'784'560u);

    std::atomic<bool> stop{true};
    const EnumerationRun flagged =
        enumerateKCards(deck, 7, defaultOrder(deck, 7, 0), {.workers = 1, .stop = &stop});
    EXPECT_EQ(flagged.status, RunStatus::Cancelled);
    EXPECT_EQ(flagged.handsVisited, 0u);
}

TEST(KCardEnumerator, RefusesWhatItCannotEnumerate) {
    const Deck deck{4, 13};
    EXPECT_EQ(enumerateKCards(deck, 9, defaultOrder(deck, 7, 0)).status, RunStatus::Refused);
    EXPECT_EQ(enumerateKCards(Deck{3, 13}, 6, defaultOrder(deck, 6, 0)).status, RunStatus::Refused);
    EXPECT_EQ(enumerateKCards(deck, 6, {}).status, RunStatus::Refused);
    EXPECT_EQ(enumerateKCards(deck, 6, defaultOrder(deck, 6, 0), {.workers = 0}).status,
              RunStatus::Refused);
    EXPECT_EQ(
        enumerateKCards(deck, 6, defaultOrder(deck, 6, 0), {.workers = kMaxWorkers + 1}).status,
        RunStatus::Refused);
}

}  // namespace
}  // namespace marvane
