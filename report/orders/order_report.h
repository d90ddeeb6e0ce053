// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/search/order_search.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/wide_counts.h"
#include "report/results/k_card_report.h"

namespace marvane {

// One deck's search for a self-consistent order at K cards, and whether any
// order is self-consistent there, as the dialog and marvane-count show it.
struct OrderSearchReport {
    Deck deck;
    std::uint32_t cards = kMinCards;
    OrderSearch search;
    // A self-consistent order, or nothing when none exists: the search's
    // own last order when it reached one, else the exact answer's.
    std::optional<CategoryOrder> consistentOrder;
    std::uint32_t jokers = 0;
};

// Throws std::invalid_argument for an inadmissible deck, a hand size
// outside kMinCards..kMaxCards or more than kMaxJokers jokers.
OrderSearchReport buildOrderSearchReport(Deck deck, std::uint32_t cards, std::uint32_t jokers = 0);
// The same from a count table already built for the deck, hand size and jokers.
OrderSearchReport buildOrderSearchReport(const OrderCounter& counter);

// "self-consistent after 2 steps", or "no self-consistent order reached:
// the orders cycle with period 2".
std::string searchOutcomeSentence(const OrderSearch& search);

// "a self-consistent order exists: Straight Flush, ...", or "no
// self-consistent order exists".
std::string existenceSentence(const OrderSearchReport& report);

// One order's K-card counts and the pairs of categories that break its
// self-consistency.
struct OrderCheckReport {
    Deck deck;
    std::uint32_t cards = kMinCards;
    CategoryOrder order;
    CategoryCounts64 counts;
    std::vector<BreakingPair> pairs;  // as breakingPairs lists them
    std::uint32_t jokers = 0;
};

// An empty order is the deck's own. Throws std::invalid_argument as
// buildOrderSearchReport does, and for an order that can't rank the hands
// (see orderProblem).
OrderCheckReport buildOrderCheckReport(Deck deck, std::uint32_t cards,
                                       const CategoryOrder& order = {}, std::uint32_t jokers = 0);

// The breaking pairs of a K-card report's order, from the counts its
// Totals use.
std::vector<BreakingPair> breakingPairs(const KCardReport& report);

// "Garbage is rarer than Hypochromatic 1 Pair, but ranks below it: 23294460
// against 58627800 hands".
std::string breakingPairSentence(const BreakingPair& pair);

}  // namespace marvane
