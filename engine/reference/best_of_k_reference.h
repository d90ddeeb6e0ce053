// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/vocabulary/card.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// The category of a hand of five to eight cards: the best, by `places`,
// among the categories the reference classifier gives each of its fives.
// This is what the faster K-card paths must agree with.
HandCategory bestOfFives(const Hand& hand, Deck deck, const OrderPlaces& places);

// Receives every hand visited, with its category.
using KCardHandVisitor = std::function<void(const Hand& hand, HandCategory category)>;

// Visits every hand of `cards` cards in lexicographic order of card numbers
// and counts it under bestOfFives, or, below five cards, as itself
// (categorizeAsItself). Slow on purpose: it is the oracle of the
// tests and the benchmarks' baseline. Nothing for an inadmissible deck, a
// hand size outside kMinCards..kMaxCards or an order that can't rank the
// deck's hands.
std::optional<CategoryCounts64> enumerateKCardsReference(Deck deck, std::uint32_t cards,
                                                         const CategoryOrder& order,
                                                         const KCardHandVisitor& visitor = {});

}  // namespace marvane
