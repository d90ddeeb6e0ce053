// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "engine/enumeration/worker_driver.h"
#include "engine/search/order_search.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_count.h"
#include "engine/vocabulary/wide_counts.h"
#include "report/results/shown_report.h"

namespace marvane {

// Everything a front end asks of one deck: the one way in to the counts.
struct CountRequest {
    Deck deck{};
    std::uint32_t cards = kHandSize;  // kMinCards..kMaxCards
    std::uint32_t jokers = 0;         // 0..kMaxJokers
    // Best first; empty: the deck's own order. At five cards without jokers
    // every hand has one category, so an order changes no count.
    CategoryOrder order{};
    bool enumerate = false;                        // also visit every hand and check the counts
    std::uint32_t workers = defaultWorkerCount();  // 1..kMaxWorkers
    // During an enumeration, with the hands done and the hands in all; false
    // asks the run to stop. At five cards without jokers it comes at every
    // progress step of hands (about a thousand times), else about every 20 ms.
    RunProgress progress{};
    // Set from any thread, stops an enumeration soon after.
    const std::atomic<bool>* stop = nullptr;
    // For enumerateShare: the hands whose first card lies here, as
    // splitFirstCards cuts them.
    std::optional<FirstCards> share{};
    // The deck's count table at this hand size and jokers, when the caller
    // has built it (count_table.h); a K-card report builds its own otherwise.
    const OrderCounter* counting = nullptr;
};

// The report a front end shows for the request: the five-card closed forms
// or the exact K-card count, and the enumeration when asked for. Throws
// std::invalid_argument for a deck, hand size, number of jokers or workers
// out of range, an order that can't rank the hands, or a share (see
// enumerateShare). An enumeration that is stopped leaves the report as if
// none was asked for, with `cancelled` set.
ShownReport answer(const CountRequest& request);

// The hands of the request's share only, enumerated on its workers, to be
// added to the other shares' counts (answerFromShares). Refused for what
// answer() throws for, or without a share.
EnumerationRun enumerateShare(const CountRequest& request);

// The report of a request whose enumeration ran in shares, from the shares'
// counts added up: what answer() gives with the enumeration. Throws as
// answer() does.
ShownReport answerFromShares(const CountRequest& request, const CategoryCounts64& enumerated);

// How often a five-card enumeration of the deck calls progress: the end of a
// progress bar's range in steps.
std::uint32_t fiveCardProgressTicks(Deck deck);

}  // namespace marvane
