// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/enumeration/five_card_hands.h"
#include "engine/enumeration/k_card_enumerator.h"
#include "engine/search/order_search.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/wide_counts.h"
#include "report/results/count_mismatch.h"
#include "report/results/five_card_report.h"

namespace marvane {

// What to compute for hands of six or seven cards in one deck, or of five to
// seven cards in a deck with jokers.
struct KCardReportOptions {
    Deck deck{};
    std::uint32_t cards = 6;   // 6 or 7, or 5 to 7 with jokers; the rest are FiveCardReport's
    std::uint32_t jokers = 0;  // 0 to kMaxJokers
    CategoryOrder order{};     // empty: the deck's own order (defaultOrder)
    bool enumerate = false;    // also visit every hand and check the exact count
    RunProgress progress{};
    const std::atomic<bool>* stop = nullptr;  // cancels the enumeration
    std::uint32_t workers = defaultWorkerCount();
    // The deck's count table at this hand size when the caller has built
    // it already (see count_table.h); otherwise the report builds its own.
    const OrderCounter* counting = nullptr;
    // Counts enumerated elsewhere (shares added up): the report takes them
    // as its enumeration's instead of running one.
    const CategoryCounts64* enumerated = nullptr;
};

using KCardReportRow = BasicReportRow<std::uint64_t>;

struct KCardReport {
    Deck deck;
    std::uint32_t cards = 6;
    std::uint32_t jokers = 0;
    std::uint64_t hands = 0;  // C(S*R + jokers, cards), exact
    CategoryOrder order;
    bool enumerated = false;  // an enumeration ran to the end
    bool cancelled = false;   // an enumeration was asked for and stopped
    CategoryCounts64 enumeratedCounts;
    CategoryCounts64 computed;
    CategoryCounts64 totals;                // from the enumerated counts when there are any
    std::vector<KCardReportRow> rows;       // the 17 categories, in display order
    std::vector<CountMismatch> mismatches;  // empty unless enumeration disagrees
    WorkersRan threads;                     // what the enumeration ran on, when it ran
};

// The exact count, and on request the enumeration, the Totals and the rows.
// Throws std::invalid_argument for an inadmissible deck, a hand size other
// than 6 or 7 (5 to 7 with jokers), more than kMaxJokers jokers, a worker
// count outside 1..kMaxWorkers or an order that can't rank the hands. A cancelled enumeration
// leaves the report as if none was asked for, with cancelled set.
KCardReport buildKCardReport(const KCardReportOptions& options);

}  // namespace marvane
