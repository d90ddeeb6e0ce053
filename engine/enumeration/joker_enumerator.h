// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

#include "engine/enumeration/k_card_enumerator.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// Visits every hand of `cards` (5 to 7) cards of the deck with `jokers` (0 to
// kMaxJokers) jokers and counts it in the best category it reaches under the
// order, on `options.workers` threads, with progress and a stop as
// enumerateKCards has them; hands count as visited in the progress. A natural
// part stands for the C(jokers, j) hands that hold it and j of the jokers.
// A share takes the hands whose lowest natural card lies in it.
// Refused, with nothing counted, for an inadmissible deck, hand size, number
// of jokers or workers, or an order that can't rank the hands.
EnumerationRun enumerateJokers(Deck deck, std::uint32_t cards, std::uint32_t jokers,
                               const CategoryOrder& order, const RunOptions& options = {});

// Receives a hand's natural part (card numbers 1..S*R ascending, then 0s),
// its number of jokers, and its category.
using JokerPartVisitor =
    std::function<void(const KCardHand& naturals, std::uint32_t jokers, HandCategory category)>;

// The same loops on the calling thread, fewest jokers first, each in
// lexicographic order of card numbers, handing every natural part to the
// visitor (for cross-checks).
EnumerationRun enumerateJokersVisiting(Deck deck, std::uint32_t cards, std::uint32_t jokers,
                                       const CategoryOrder& order, const JokerPartVisitor& visitor);

}  // namespace marvane
