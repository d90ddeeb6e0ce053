// SPDX-License-Identifier: MIT
#include "report/results/count_request.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/enumeration/work_split.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

CategoryCounts64 computedOf(const ShownReport& report) {
    CategoryCounts64 counts;
    for (const ShownRow& row : report.rows) {
        counts[row.category] = row.computed;
    }
    return counts;
}

// Every hand size and jokers takes its own way to the published counts:
// the five-card formulas (with the "*" they can set), or the exact count of
// the best category a hand reaches.
TEST(CountRequest, EachHandSizeReachesThePublishedCounts) {
    struct Case {
        CountRequest request;
        CategoryCounts64 expected;
        std::uint64_t hands;
    };
    const Case cases[] = {
        {{.deck = {4, 13}}, published::fiveCardCounts(), 2'598'960},
        {{.deck = {4, 13}, .cards = 7, .order = published::familiarOrder()},
         published::sevenCardCounts(),
         133'784'560},
        {{.deck = {4, 13}, .cards = 5, .jokers = 1}, published::oneJokerCounts(), 2'869'685},
    };
    for (const Case& c : cases) {
        const ShownReport report = answer(c.request);
        EXPECT_EQ(report.hands, c.hands);
        EXPECT_EQ(computedOf(report), c.expected) << c.request.cards << " cards";
        EXPECT_EQ(std::holds_alternative<FiveCardReport>(report.source),
                  c.request.cards == 5 && c.request.jokers == 0);
    }
    EXPECT_THROW(answer({.deck = {4, 13}, .cards = 2}), std::invalid_argument);
    EXPECT_THROW(answer({.deck = {4, 13}, .cards = 9}), std::invalid_argument);
    EXPECT_THROW(answer({.deck = {4, 13}, .workers = 0}), std::invalid_argument);
    EXPECT_THROW(answer({.deck = {4, 13}, .share = FirstCards{0, 3}}), std::invalid_argument);
}

// Separate processes each enumerate one share; their counts added up give
// the report of one whole enumeration.
TEST(CountRequest, SharesAddUpToTheWholeEnumeration) {
    const CountRequest requests[] = {
        {.deck = {4, 7}, .enumerate = true, .workers = 2},
        {.deck = {5, 7}, .cards = 6, .enumerate = true, .workers = 2},
        {.deck = {4, 7}, .cards = 5, .jokers = 2, .enumerate = true, .workers = 1},
    };
    for (const CountRequest& whole : requests) {
        const ShownReport expected = answer(whole);
        ASSERT_TRUE(expected.enumerated);
        CategoryCounts64 added;
        std::uint64_t visited = 0;
        for (FirstCards share : splitFirstCards(whole.deck.cardCount(), whole.cards, 3)) {
            CountRequest part = whole;
            part.share = share;
            const EnumerationRun run = enumerateShare(part);
            ASSERT_EQ(run.status, RunStatus::Completed);
            added += run.counts;
            visited += run.handsVisited;
        }
        EXPECT_EQ(visited, expected.hands) << whole.cards << " cards, " << whole.jokers;
        const ShownReport combined = answerFromShares(whole, added);
        EXPECT_TRUE(combined.enumerated);
        EXPECT_TRUE(combined.mismatches.empty());
        ASSERT_EQ(combined.rows.size(), expected.rows.size());
        for (std::size_t i = 0; i < expected.rows.size(); ++i) {
            EXPECT_EQ(combined.rows[i].category, expected.rows[i].category);
            EXPECT_EQ(combined.rows[i].enumerated, expected.rows[i].enumerated);
            EXPECT_EQ(combined.rows[i].total, expected.rows[i].total);
        }
    }
    EXPECT_EQ(enumerateShare({.deck = {4, 7}}).status, RunStatus::Refused);  // no share
    // A share past the last first card of a whole hand holds no hand, with
    // jokers too (their shorter natural parts go with the share before).
    const EnumerationRun past =
        enumerateShare({.deck = {4, 7}, .cards = 5, .jokers = 2, .share = FirstCards{24, 24}});
    EXPECT_EQ(past.status, RunStatus::Completed);
    EXPECT_EQ(past.handsVisited, 0u);
}

// Whatever the hand size and workers, a progress that says stop ends the
// run early and the report says so instead of showing partial counts.
TEST(CountRequest, AProgressThatSaysStopCancelsTheEnumeration) {
    const CountRequest requests[] = {
        {.deck = {8, 20}, .enumerate = true, .workers = 1},
        {.deck = {8, 20}, .enumerate = true, .workers = 2},
        {.deck = {6, 10}, .cards = 7, .enumerate = true, .workers = 1},
    };
    for (CountRequest request : requests) {
        int calls = 0;
        request.progress = [&](std::uint64_t, std::uint64_t) { return ++calls < 3; };
        const ShownReport report = answer(request);
        EXPECT_TRUE(report.cancelled) << request.cards << " cards, " << request.workers;
        EXPECT_FALSE(report.enumerated);
    }
}

}  // namespace
}  // namespace marvane
