// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/card_counts.h"
#include "engine/cards_enumerator.h"
#include "engine/category_order.h"
#include "engine/deck.h"
#include "engine/enumeration.h"
#include "engine/hand_category.h"
#include "engine/order_search.h"
#include "report/deck_report.h"

namespace marvane {

// What to compute for hands of six or seven cards in one deck, or of five to
// seven cards in a deck with jokers.
struct CardsReportOptions {
    Deck deck{};
    std::uint32_t cards = 6;   // 6 or 7, or 5 to 7 with jokers; the rest are DeckReport's
    std::uint32_t jokers = 0;  // 0 to kMaxJokers
    CategoryOrder order{};     // empty: the deck's own order (defaultOrder)
    bool enumerate = false;    // also visit every hand and check the exact count
    CardsProgress progress{};
    const std::atomic<bool>* stop = nullptr;  // cancels the enumeration
    std::uint32_t workers = defaultWorkerCount();
    // The deck's count table at this hand size when the caller has built
    // it already (see cards_counting.h); otherwise the report builds its own.
    const OrderCounter* counting = nullptr;
};

using CardsReportRow = BasicReportRow<std::uint64_t>;

struct CardsMismatch {
    HandCategory category;
    std::uint64_t enumerated;
    std::uint64_t computed;
};

struct CardsReport {
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
    std::vector<CardsReportRow> rows;       // the 17 categories, in display order
    std::vector<CardsMismatch> mismatches;  // empty unless enumeration disagrees
    WorkersRan threads;                     // what the enumeration ran on, when it ran
};

// The exact count, and on request the enumeration, the Totals and the rows.
// Throws std::invalid_argument for an inadmissible deck, a hand size other
// than 6 or 7 (5 to 7 with jokers), more than kMaxJokers jokers, a worker
// count outside 1..kMaxWorkers or an order that can't rank the hands. A cancelled enumeration
// leaves the report as if none was asked for, with cancelled set.
CardsReport buildCardsReport(const CardsReportOptions& options);

// "5 suits x 7 ranks, 6 cards: Flush: enumerated 84, computed 85", with
// ", 1 joker" after the cards when the deck has jokers.
std::string describeMismatch(const CardsReport& report, const CardsMismatch& mismatch);

// "1 joker", "2 jokers".
std::string jokersText(std::uint32_t jokers);

}  // namespace marvane
