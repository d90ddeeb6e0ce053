// SPDX-License-Identifier: MIT
#include "engine/enumeration/joker_enumerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <random>
#include <system_error>
#include <vector>

#include "engine/exact/k_card_count.h"
#include "engine/reference/joker_reference.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

// The deck's own order, or a shuffle of it: a shuffle makes hands that reach
// several categories land elsewhere.
CategoryOrder orderFor(Deck deck, std::uint32_t cards, std::uint32_t jokers, bool shuffled) {
    CategoryOrder order = defaultOrder(deck, cards, jokers);
    if (shuffled) {
        std::shuffle(order.begin(), order.end(), std::mt19937(deck.suits * 31 + jokers));
    }
    return order;
}

// Natural part by natural part: the same parts in the same order, each in the
// reference's category.
TEST(JokerEnumerator, VisitsEveryNaturalPartInTheReferencesOrderAndCategory) {
    struct Case {
        Deck deck;
        std::uint32_t cards;
        std::uint32_t jokers;
        bool shuffled;
    };
    for (const Case& c :
         {Case{{4, 7}, 5, 4, false}, Case{{4, 7}, 6, 3, true}, Case{{5, 7}, 6, 2, false},
          Case{{4, 7}, 7, 2, true}, Case{{8, 7}, 5, 1, true}, Case{{4, 10}, 5, 3, true},
          Case{{4, 7}, 3, 4, false}, Case{{4, 7}, 4, 4, true}, Case{{5, 7}, 3, 2, true},
          Case{{8, 7}, 4, 1, false}}) {
        const CategoryOrder order = orderFor(c.deck, c.cards, c.jokers, c.shuffled);
        std::vector<std::uint8_t> expected;
        const auto reference = enumerateJokersReference(
            c.deck, c.cards, c.jokers, order,
            [&](const Hand& naturals, std::uint32_t j, HandCategory category) {
                for (const Card& card : naturals) {
                    expected.push_back(static_cast<std::uint8_t>(card.number(c.deck.suits)));
                }
                expected.push_back(static_cast<std::uint8_t>(j));
                expected.push_back(static_cast<std::uint8_t>(indexOf(category)));
            });
        ASSERT_TRUE(reference);
        std::vector<std::uint8_t> seen;
        seen.reserve(expected.size());
        const EnumerationRun fast = enumerateJokersVisiting(
            c.deck, c.cards, c.jokers, order,
            [&](const KCardHand& naturals, std::uint32_t j, HandCategory category) {
                seen.insert(seen.end(), naturals.begin(), naturals.begin() + (c.cards - j));
                seen.push_back(static_cast<std::uint8_t>(j));
                seen.push_back(static_cast<std::uint8_t>(indexOf(category)));
            });
        EXPECT_TRUE(seen == expected) << c.deck.suits << "x" << c.deck.ranks << ", " << c.cards
                                      << " cards, " << c.jokers << " jokers";
        EXPECT_EQ(fast.counts, *reference);
        // The workers' loop takes each part's last card a rank at a time.
        EXPECT_EQ(enumerateJokers(c.deck, c.cards, c.jokers, order, {.workers = 2}).counts,
                  *reference);
    }
}

// Eight cards with jokers: a whole reference run takes minutes, so every
// part is held against the exact count's totals and a spread-out sample of
// parts (every 97th) against the reference's reach under the order.
TEST(JokerEnumerator, EightCardsAgreeWithTheExactCountAndSampledWithTheReference) {
    const Deck deck{4, 7};
    for (std::uint32_t jokers : {1u, 3u}) {
        const CategoryOrder order = orderFor(deck, 8, jokers, jokers == 3);
        const OrderPlaces places = placesOf(order);
        JokerReference reference(deck);
        std::uint32_t seen = 0;
        std::uint32_t sampled = 0;
        std::uint32_t disagreeing = 0;
        const EnumerationRun fast = enumerateJokersVisiting(
            deck, 8, jokers, order,
            [&](const KCardHand& naturals, std::uint32_t j, HandCategory category) {
                if (++seen % 97 != 0) {
                    return;
                }
                Hand part;
                for (std::uint32_t i = 0; i < 8 - j; ++i) {
                    part.push_back(Card::fromNumber(naturals[i], deck.suits));
                }
                std::uint32_t best = kNoPlace;
                for (std::uint32_t rest = reference.reach(part, j); rest != 0; rest &= rest - 1) {
                    best = std::min<std::uint32_t>(best, places[std::countr_zero(rest)]);
                }
                ++sampled;
                disagreeing += order[best] != category ? 1 : 0;
            });
        EXPECT_EQ(fast.counts, countKCards(deck, 8, order, jokers)) << jokers;
        EXPECT_GT(sampled, 30'000u) << jokers;
        EXPECT_EQ(disagreeing, 0u) << jokers;
    }
}

#if MARVANE_THREADS
// On threads, some of which won't start, and against the published counts of
// the 52-card deck with one joker.
TEST(JokerEnumerator, CountsEveryHandOnTheThreadsThatStart) {
    const Deck deck{4, 13};
    const CategoryCounts64 expected = published::oneJokerCounts();
    for (std::uint32_t failingStart : {0u, 2u}) {
        std::uint32_t starts = 0;
        RunOptions options{.workers = 2};
        options.startThread = [&](std::function<void()> body) {
            if (++starts == failingStart) {
                throw std::system_error(
                    std::make_error_code(std::errc::resource_unavailable_try_again));
            }
            return std::jthread(std::move(body));
        };
        std::uint64_t last = 0;
        bool backwards = false;
        options.progress = [&](std::uint64_t done, std::uint64_t total) {
            backwards = backwards || done < last || done > total;
            last = done;
            return true;
        };
        const EnumerationRun run = enumerateJokers(deck, 5, 1, defaultOrder(deck, 5, 1), options);
        EXPECT_EQ(run.status, RunStatus::Completed);
        EXPECT_EQ(run.counts, expected) << "failing start " << failingStart;
        EXPECT_EQ(run.threads.ran, failingStart == 0 ? 2u : 1u);
        EXPECT_EQ(last, 2'869'685u);
        EXPECT_FALSE(backwards);
    }
}

#endif

TEST(JokerEnumerator, StopsWhenAskedAndRefusesWhatItCannotCount) {
    const Deck deck{4, 13};
    std::atomic<bool> stop{true};
    const EnumerationRun stopped =
        enumerateJokers(deck, 6, 2, defaultOrder(deck, 6, 2), {.workers = 2, .stop = &stop});
    EXPECT_EQ(stopped.status, RunStatus::Cancelled);
    EXPECT_LT(stopped.handsVisited, choose64(54, 6));
    // Five of a Kind is left out, yet a joker reaches it; and too many jokers.
    EXPECT_EQ(enumerateJokers(deck, 5, 1, defaultOrder(deck, 5, 0)).status, RunStatus::Refused);
    EXPECT_EQ(enumerateJokers(deck, 5, kMaxJokers + 1, defaultOrder(deck, 5, 1)).status,
              RunStatus::Refused);
}

}  // namespace
}  // namespace marvane
