// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "engine/exact/k_card_count.h"
#include "engine/reference/joker_reference.h"
#include "engine/search/order_search.h"
#include "engine/series/crossings.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

using enum HandCategory;

CategoryOrder withMoved(CategoryOrder order, HandCategory moved, HandCategory above) {
    order.erase(std::find(order.begin(), order.end(), moved));
    order.insert(std::find(order.begin(), order.end(), above), moved);
    return order;
}

// Published counts of the 52-card deck with jokers, five cards; the rest 0.
struct PublishedJokers {
    std::uint32_t jokers;
    bool twoPairAboveTrips;
    std::vector<std::pair<HandCategory, std::uint64_t>> counts;
    bool complete;  // every non-zero category listed
};

TEST(JokerCount, FiveCardsOfTheFiftyTwoCardDeckGiveThePublishedCounts) {
    const Deck deck{4, 13};
    std::vector<std::pair<HandCategory, std::uint64_t>> oneJoker;
    for (const published::PublishedCount& entry : published::kOneJoker) {
        oneJoker.emplace_back(entry.category, entry.hands);
    }
    std::vector<std::pair<HandCategory, std::uint64_t>> turned = oneJoker;
    for (auto& [category, hands] : turned) {
        hands = category == Hypochromatic3OfAKind ? 54'912
                : category == Hypochromatic2Pair  ? 205'920
                                                  : hands;
    }
    const std::vector<PublishedJokers> published = {
        {1, false, oneJoker, true},
        {1, true, turned, true},
        {2, false, {{FiveOfAKind, 78}, {Hypochromatic4OfAKind, 9'360}}, false},
        {2, false, {{Hypochromatic4OfAKind, 9'360}, {HypochromaticFullHouse, 9'360}}, false},
        {3, false, {{Hypochromatic4OfAKind, 20'408}, {HypochromaticFullHouse, 12'168}}, false},
    };
    for (const PublishedJokers& entry : published) {
        CategoryOrder order = defaultOrder(deck, 5, entry.jokers);
        if (entry.twoPairAboveTrips) {
            order = withMoved(order, Hypochromatic2Pair, Hypochromatic3OfAKind);
        }
        const CategoryCounts64 counts = countKCards(deck, 5, order, entry.jokers);
        CategoryCounts64 expected;
        for (const auto& [category, hands] : entry.counts) {
            EXPECT_EQ(counts[category], hands)
                << entry.jokers << " jokers, category " << indexOf(category);
            expected[category] = hands;
        }
        if (entry.complete) {
            EXPECT_EQ(counts, expected) << entry.jokers << " jokers";
        }
    }
}

TEST(JokerCount, DefaultOrderPutsWhatOnlyAJokerMakesFirst) {
    const CategoryOrder plain = defaultOrder(Deck{4, 13}, 5, 0);
    CategoryOrder withFive = {FiveOfAKind};
    withFive.insert(withFive.end(), plain.begin(), plain.end());
    EXPECT_EQ(defaultOrder(Deck{4, 13}, 5, 1), withFive);
    EXPECT_EQ(defaultOrder(Deck{4, 13}, 7, 0), plain);
    // Five suits have natural five of a kinds: jokers change no order.
    EXPECT_EQ(defaultOrder(Deck{5, 7}, 6, 4), defaultOrder(Deck{5, 7}, 6, 0));
    // An order that leaves out what a joker reaches can't rank the hands.
    EXPECT_FALSE(orderProblem(Deck{4, 13}, 5, plain, 0));
    EXPECT_TRUE(orderProblem(Deck{4, 13}, 5, plain, 1));
    // Three cards: a pair and a joker repeating one of its cards is the only
    // hypochromatic three of a kind, which no natural hand is.
    CategoryOrder threeCards = {Hypochromatic3OfAKind};
    const CategoryOrder naturalThree = defaultOrder(Deck{4, 13}, 3, 0);
    threeCards.insert(threeCards.end(), naturalThree.begin(), naturalThree.end());
    EXPECT_EQ(defaultOrder(Deck{4, 13}, 3, 1), threeCards);
    // Four suits have rainbow hands of four cards, which a five-card order lacks.
    EXPECT_TRUE(orderProblem(Deck{4, 13}, 4, plain, 0));
}

// Every hand's set of reachable categories, by the plain reference, in small
// decks with one to four jokers at three to seven cards (a hand of three or
// four may be jokers only); more ranks move the straights apart.
TEST(JokerCount, CategorySetsEqualTheReferenceHandByHand) {
    struct Case {
        Deck deck;
        std::uint32_t cards;
        std::uint32_t jokers;
    };
    for (const Case& c : std::vector<Case>{{{4, 7}, 5, 1},
                                           {{4, 7}, 5, 2},
                                           {{4, 7}, 5, 3},
                                           {{4, 7}, 6, 1},
                                           {{4, 7}, 6, 2},
                                           {{4, 7}, 6, 3},
                                           {{4, 7}, 7, 1},
                                           {{4, 9}, 5, 2},
                                           {{4, 11}, 5, 3},
                                           {{5, 7}, 5, 1},
                                           {{5, 7}, 6, 1},
                                           {{8, 7}, 5, 1},
                                           {{4, 7}, 3, 1},
                                           {{4, 7}, 3, 3},
                                           {{4, 7}, 3, 4},
                                           {{4, 7}, 4, 2},
                                           {{4, 7}, 4, 4},
                                           {{5, 7}, 3, 2},
                                           {{8, 7}, 4, 1}}) {
        const KCardCountTable table(c.deck, c.cards, c.jokers);
        const auto& sets = table.categorySets();
        const std::map<std::uint32_t, std::uint64_t> computed(sets.begin(), sets.end());
        EXPECT_EQ(computed, jokerCategorySetsReference(c.deck, c.cards, c.jokers))
            << c.deck.suits << "x" << c.deck.ranks << ", " << c.cards << " cards, " << c.jokers
            << " jokers";
    }
}

TEST(JokerCount, EveryHandIsCountedOnceInTheLargestDeck) {
    const Deck deck{8, 20};
    for (std::uint32_t cards : {3u, 7u, 8u}) {
        for (std::uint32_t jokers = 1; jokers <= kMaxJokers; ++jokers) {
            const KCardCountTable table(deck, cards, jokers);
            EXPECT_EQ(table.counts(defaultOrder(deck, cards, jokers)).sum(),
                      choose64(deck.cardCount() + jokers, cards))
                << cards << " cards, " << jokers << " jokers";
        }
    }
    EXPECT_THROW(KCardCountTable(deck, 5, kMaxJokers + 1), std::invalid_argument);
}

// The wild-card paradox: with a joker, a category's count depends on the
// order even at five cards. Outcomes found once by trying every order of the
// reachable categories against the plain reference's category sets.
TEST(JokerCount, NoOrderHoldsWhereEveryOrderWasTried) {
    struct Case {
        Deck deck;
        std::uint32_t cards;
        std::uint32_t jokers;
        std::size_t cyclePeriod;  // 0: not known, only that no order holds
    };
    for (const Case& c : {Case{{4, 13}, 5, 1, 2}, Case{{4, 7}, 5, 2, 0}, Case{{4, 7}, 6, 1, 0}}) {
        const OrderCounter counter(c.deck, c.cards, c.jokers);
        const OrderSearch search = searchOrder(counter);
        EXPECT_EQ(search.outcome, OrderSearchOutcome::Cycle) << c.deck.ranks << " " << c.jokers;
        if (c.cyclePeriod != 0) {
            EXPECT_EQ(search.period, c.cyclePeriod);
        }
        EXPECT_FALSE(findSelfConsistentOrder(counter)) << c.deck.ranks << " " << c.jokers;
    }
}

}  // namespace
}  // namespace marvane
