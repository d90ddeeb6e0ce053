// SPDX-License-Identifier: MIT
#include "engine/search/order_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "engine/exact/k_card_count.h"
#include "engine/reference/best_of_k_reference.h"
#include "engine/reference/classifier.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

using enum HandCategory;

// The hands of a small deck by the set of categories of their fives, from
// the reference enumeration and the reference five-card classifier: under
// any order a hand counts in its set's best member, as bestOfFives counts it.
class ReferenceSets {
public:
    ReferenceSets(Deck deck, std::uint32_t cards) {
        const OrderPlaces places = placesOf(defaultOrder(deck, cards, 0));
        Hand five;
        const auto reference = enumerateKCardsReference(
            deck, cards, defaultOrder(deck, cards, 0),
            [&](const Hand& hand, HandCategory category) {
                std::uint32_t set = 0;
                for (std::uint32_t keep = 0; keep < (1u << hand.size()); ++keep) {
                    if (std::popcount(keep) != static_cast<int>(kHandSize)) {
                        continue;
                    }
                    five.clear();
                    for (std::size_t i = 0; i < hand.size(); ++i) {
                        if (keep & (1u << i)) {
                            five.push_back(hand[i]);
                        }
                    }
                    set |= 1u << indexOf(categorize(five, deck));
                }
                ++sets_[set];
                // The set's best member is the reference's own answer.
                EXPECT_EQ(bestOf(set, places), category);
            });
        EXPECT_TRUE(reference);
    }

    CategoryCounts64 counts(const CategoryOrder& order) const {
        const OrderPlaces places = placesOf(order);
        CategoryCounts64 counts;
        for (const auto& [set, hands] : sets_) {
            counts[bestOf(set, places)] += hands;
        }
        return counts;
    }

private:
    static HandCategory bestOf(std::uint32_t set, const OrderPlaces& places) {
        HandCategory best = Garbage;
        std::uint32_t bestPlace = 0x100;
        for (std::size_t c = 0; c < kCategoryCount; ++c) {
            if ((set >> c) & 1u && places[c] < bestPlace) {
                bestPlace = places[c];
                best = static_cast<HandCategory>(c);
            }
        }
        return best;
    }

    std::map<std::uint32_t, std::uint64_t> sets_;
};

CategoryOrder sortedByCounts(CategoryOrder order, const CategoryCounts64& counts) {
    std::stable_sort(order.begin(), order.end(),
                     [&](HandCategory a, HandCategory b) { return counts[a] < counts[b]; });
    return order;
}

// A search's outcome worked out once, apart from the code under test: the
// counts from every hand's set of categories, the sorts and the cycle by a
// plain loop, existence by a plain search over every subset of categories
// placed above the rest. The sets came from the reference classifier where
// a reference enumeration is quick enough (up to 6 x 7 at six cards and
// 5 x 7 at seven), else from the exact count's category sets.
struct WorkedOutcome {
    Deck deck;
    std::uint32_t cards;
    OrderSearchOutcome outcome;
    std::size_t steps;
    std::size_t period;
    bool exists;
};

std::string placeOf(Deck deck, std::uint32_t cards) {
    return std::to_string(deck.suits) + "x" + std::to_string(deck.ranks) + " " +
           std::to_string(cards) + " cards";
}

void expectWorkedOutcome(const WorkedOutcome& worked, const OrderSearch& search,
                         const std::optional<CategoryOrder>& found) {
    const std::string where = placeOf(worked.deck, worked.cards);
    EXPECT_EQ(search.outcome, worked.outcome) << where;
    EXPECT_EQ(search.steps.size(), worked.steps) << where;
    EXPECT_EQ(search.period, worked.period) << where;
    EXPECT_EQ(found.has_value(), worked.exists) << where;
}

using enum OrderSearchOutcome;

// Every step's counts from the reference, every next order the previous
// one sorted by the reference's counts, and the search ends where the
// reference's orders stop changing or come back.
TEST(OrderSearch, FollowsTheReferenceStepByStepOnSmallDecks) {
    for (const WorkedOutcome& worked : {WorkedOutcome{{4, 7}, 6, Cycle, 4, 2, false},
                                        WorkedOutcome{{4, 7}, 7, Cycle, 5, 2, false},
                                        WorkedOutcome{{5, 7}, 6, Cycle, 5, 2, false},
                                        WorkedOutcome{{4, 9}, 6, Cycle, 4, 2, false}}) {
        const ReferenceSets reference(worked.deck, worked.cards);
        const OrderCounter counter(worked.deck, worked.cards);
        const OrderSearch search = searchOrder(counter);
        const std::string where = placeOf(worked.deck, worked.cards);
        expectWorkedOutcome(worked, search, findSelfConsistentOrder(counter));
        ASSERT_FALSE(search.steps.empty()) << where;
        EXPECT_EQ(search.steps.front().order, defaultOrder(worked.deck, worked.cards, 0)) << where;
        for (std::size_t i = 0; i < search.steps.size(); ++i) {
            const OrderStep& step = search.steps[i];
            const CategoryCounts64 expected = reference.counts(step.order);
            ASSERT_EQ(step.counts, expected) << where << " step " << i;
            const CategoryOrder next = sortedByCounts(step.order, expected);
            if (i + 1 < search.steps.size()) {
                EXPECT_EQ(search.steps[i + 1].order, next) << where << " step " << i;
            } else if (search.outcome == OrderSearchOutcome::SelfConsistent) {
                EXPECT_EQ(next, step.order) << where;
            } else {
                ASSERT_GE(search.period, 2u) << where;
                ASSERT_LE(search.period, search.steps.size()) << where;
                EXPECT_EQ(next, search.steps[search.steps.size() - search.period].order) << where;
            }
        }
    }
}

// The familiar order of a 52-card deck at seven cards: the published table,
// and no pair ends up rarer than one pair and two pair.
TEST(OrderSearch, TheFamiliarOrderAtSevenCardsBreaksOnlyAtNoPair) {
    const CategoryOrder familiar = published::familiarOrder();
    const CategoryCounts64 counts = OrderCounter(Deck{4, 13}, 7).counts(familiar);
    EXPECT_EQ(counts, published::sevenCardCounts());
    EXPECT_EQ(counts.sum(), 133'784'560u);
    EXPECT_FALSE(isSelfConsistent(familiar, counts));
    const std::vector<BreakingPair> expected{{Garbage, Hypochromatic2Pair, 23'294'460, 31'433'400},
                                             {Garbage, Hypochromatic1Pair, 23'294'460, 58'627'800}};
    EXPECT_EQ(breakingPairs(familiar, counts), expected);
}

TEST(OrderSearch, BreakingPairsAreEveryPairOutOfOrderNotOnlyNeighbours) {
    const CategoryOrder order{StraightFlush, Flush, Garbage, Hypochromatic1Pair};
    CategoryCounts64 counts;
    counts[StraightFlush] = 5;
    counts[Flush] = 3;
    counts[Garbage] = 4;
    counts[Hypochromatic1Pair] = 4;  // equal to Garbage above it: fine
    const std::vector<BreakingPair> expected{{Flush, StraightFlush, 3, 5},
                                             {Garbage, StraightFlush, 4, 5},
                                             {Hypochromatic1Pair, StraightFlush, 4, 5}};
    EXPECT_EQ(breakingPairs(order, counts), expected);
    EXPECT_FALSE(isSelfConsistent(order, counts));
    counts[StraightFlush] = 3;
    EXPECT_TRUE(breakingPairs(order, counts).empty());
    EXPECT_TRUE(isSelfConsistent(order, counts));
}

// Whether a self-consistent order exists, by trying every order of the nine
// categories of a four-suit deck, counted by KCardCountTable. Five cards and
// 4 x 18 at six have one; the others have none.
TEST(OrderSearch, ExistenceAgreesWithEveryPermutationOnFourSuitDecks) {
    struct Case {
        Deck deck;
        std::uint32_t cards;
        bool exists;
    };
    for (Case c : {Case{{4, 7}, 5, true}, Case{{4, 7}, 6, false}, Case{{4, 7}, 7, false},
                   Case{{4, 9}, 6, false}, Case{{4, 9}, 7, false}, Case{{4, 13}, 7, false},
                   Case{{4, 18}, 6, true}}) {
        const std::string where = std::to_string(c.deck.suits) + "x" +
                                  std::to_string(c.deck.ranks) + " " + std::to_string(c.cards) +
                                  " cards";
        const KCardCountTable table(c.deck, c.cards);
        CategoryOrder order = defaultOrder(c.deck, c.cards, 0);
        ASSERT_EQ(order.size(), 9u) << where;
        std::sort(order.begin(), order.end());
        std::size_t consistent = 0;
        do {
            consistent += isSelfConsistent(order, table.counts(order)) ? 1 : 0;
        } while (std::next_permutation(order.begin(), order.end()));
        EXPECT_EQ(consistent > 0, c.exists) << where << ": " << consistent;

        const auto found = findSelfConsistentOrder(OrderCounter(c.deck, c.cards));
        EXPECT_EQ(found.has_value(), consistent > 0) << where;
        if (found) {
            EXPECT_TRUE(isSelfConsistent(*found, table.counts(*found))) << where;
        }
    }
}

// Where permutations are too many: each outcome as worked out, and a found
// order holds and ranks every category of the deck.
TEST(OrderSearch, ExistenceAndOutcomesAsWorkedOutInLargerDecks) {
    for (const WorkedOutcome& worked : {WorkedOutcome{{5, 7}, 7, Cycle, 12, 4, false},
                                        WorkedOutcome{{6, 7}, 6, Cycle, 6, 2, false},
                                        WorkedOutcome{{8, 7}, 6, Cycle, 9, 4, false},
                                        WorkedOutcome{{4, 17}, 6, SelfConsistent, 1, 0, true},
                                        WorkedOutcome{{6, 13}, 7, Cycle, 10, 4, false},
                                        WorkedOutcome{{8, 20}, 7, Cycle, 13, 4, false},
                                        WorkedOutcome{{8, 20}, 5, SelfConsistent, 1, 0, true}}) {
        const std::string where = placeOf(worked.deck, worked.cards);
        const OrderCounter counter(worked.deck, worked.cards);
        const auto found = findSelfConsistentOrder(counter);
        expectWorkedOutcome(worked, searchOrder(counter), found);
        if (found) {
            CategoryOrder sorted = *found;
            CategoryOrder categories = counter.categories();
            std::sort(sorted.begin(), sorted.end());
            std::sort(categories.begin(), categories.end());
            EXPECT_EQ(sorted, categories) << where;
            const CategoryCounts64 counts =
                KCardCountTable(worked.deck, worked.cards).counts(*found);
            EXPECT_TRUE(isSelfConsistent(*found, counts)) << where;
        }
    }
}

TEST(OrderSearch, FiveCardsAreSelfConsistentAtOnce) {
    for (Deck deck : {Deck{4, 7}, Deck{4, 13}, Deck{8, 20}}) {
        const OrderSearch search = searchOrder(OrderCounter(deck, 5));
        EXPECT_EQ(search.outcome, OrderSearchOutcome::SelfConsistent);
        EXPECT_EQ(search.sorts(), 0u);
    }
}

}  // namespace
}  // namespace marvane
