// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

#include "engine/deck.h"
#include "engine/order_search.h"

namespace marvane {

// One deck's hands of K cards by the set of categories their fives fall
// into, ready to count under any order. Building it is the expensive part
// of a K-card result (tens of milliseconds on the largest decks), so a
// caller builds it once per deck and hand size and hands it to the report,
// the order search and every recount under another order.
using CardsCounting = std::shared_ptr<const OrderCounter>;

// Throws std::invalid_argument for an inadmissible deck or a hand size
// outside kMinCards..kMaxCards.
CardsCounting buildCardsCounting(Deck deck, std::uint32_t cards);

// The number of hands of `cards` cards the deck holds: C(S * R, cards).
std::uint64_t handsOf(Deck deck, std::uint32_t cards);

// The threads an enumeration runs on by default: one per hardware thread.
std::uint32_t enumerationWorkers();

}  // namespace marvane
