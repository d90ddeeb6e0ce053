// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>

#include "engine/card_counts.h"
#include "engine/category_order.h"
#include "engine/deck.h"
#include "engine/hand_category.h"
#include "engine/worker_run.h"

namespace marvane {

// Called now and then with the hands visited so far and the hands in all;
// return false to stop the run.
using CardsProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

struct CardsEnumerationOptions {
    std::uint32_t workers = 1;  // threads, 1 to kMaxWorkers
    // On the calling thread, about every 20 ms and once at the end.
    CardsProgress progress{};
    // Set it from any thread to stop the run soon after.
    const std::atomic<bool>* stop = nullptr;
    // Empty: real threads. A worker that can't start leaves its share to the
    // others (to the calling thread when none starts); the counts are the same.
    ThreadStart startThread{};
};

enum class CardsRunStatus { Completed, Cancelled, Refused };

struct CardsEnumeration {
    CardsRunStatus status = CardsRunStatus::Refused;
    CategoryCounts64 counts;  // complete only when Completed
    std::uint64_t handsVisited = 0;
    WorkersRan threads;  // nothing wanted when Refused
};

// Visits every hand of `cards` (5 to 7) cards of the deck and counts it in
// the best category of its fives under the order, on `workers` threads.
// Refused, with nothing counted, for an inadmissible deck, hand size or
// worker count, or an order that can't rank the deck's hands. A run that is
// stopped says Cancelled and holds the hands counted until then.
CardsEnumeration enumerateCards(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                                const CardsEnumerationOptions& options = {});

// The card numbers (1..S*R, ascending) of one hand; the entries after the
// hand's cards are 0.
using CardsHand = std::array<std::uint8_t, kMaxCards>;
using CardsFastVisitor = std::function<void(const CardsHand& hand, HandCategory category)>;

// The same loop on the calling thread, in lexicographic order of card
// numbers, handing every hand to the visitor (for cross-checks).
CardsEnumeration enumerateCardsVisiting(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                                        const CardsFastVisitor& visitor);

}  // namespace marvane
