// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>

#include "engine/enumeration/worker_driver.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/hand_count.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// Visits every hand of `cards` (kMinCards to kMaxCards) cards of the deck and
// counts it in its category under the order, on `workers` threads: from five
// cards up the best of its fives', below the hand's own (the loop of hands
// with jokers does those, joker_enumerator.h).
// Refused, with nothing counted, for an inadmissible deck, hand size or
// worker count, or an order that can't rank the deck's hands. A run that is
// stopped says Cancelled and holds the hands counted until then. With a
// share, only the hands whose first card lies in it, and the progress counts
// those.
EnumerationRun enumerateKCards(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                               const RunOptions& options = {});

// The card numbers (1..S*R, ascending) of one hand; the entries after the
// hand's cards are 0.
using KCardHand = std::array<std::uint8_t, kMaxCards>;
using KCardVisitor = std::function<void(const KCardHand& hand, HandCategory category)>;

// The same loop on the calling thread, in lexicographic order of card
// numbers, handing every hand to the visitor (for cross-checks).
EnumerationRun enumerateKCardsVisiting(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                                       const KCardVisitor& visitor);

}  // namespace marvane
