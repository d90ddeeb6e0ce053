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
// caller builds it once per deck, hand size and jokers and hands it to the report,
// the order search and every recount under another order.
using CardsCounting = std::shared_ptr<const OrderCounter>;

// Throws std::invalid_argument for an inadmissible deck, a hand size
// outside kMinCards..kMaxCards or more than kMaxJokers jokers.
CardsCounting buildCardsCounting(Deck deck, std::uint32_t cards, std::uint32_t jokers = 0);

// The number of hands of `cards` cards the deck with `jokers` jokers added
// holds: C(S * R + J, cards).
std::uint64_t handsOf(Deck deck, std::uint32_t cards, std::uint32_t jokers = 0);

// The threads an enumeration runs on by default: one per hardware thread.
std::uint32_t enumerationWorkers();

}  // namespace marvane
