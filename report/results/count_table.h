// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

#include "engine/search/order_search.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_count.h"

namespace marvane {

// One deck's hands of K cards by the set of categories their fives fall
// into, ready to count under any order. Building it is the expensive part
// of a K-card result (tens of milliseconds on the largest decks), so a
// caller builds it once per deck, hand size and jokers and hands it to the report,
// the order search and every recount under another order.
using SharedCountTable = std::shared_ptr<const OrderCounter>;

// Throws std::invalid_argument for an inadmissible deck, a hand size
// outside kMinCards..kMaxCards or more than kMaxJokers jokers.
SharedCountTable buildCountTable(Deck deck, std::uint32_t cards, std::uint32_t jokers = 0);

// The threads an enumeration runs on by default: one per hardware thread.
std::uint32_t enumerationWorkers();

}  // namespace marvane
