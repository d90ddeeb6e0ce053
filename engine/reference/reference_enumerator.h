// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

#include "engine/enumeration/five_card_hands.h"
#include "engine/vocabulary/card.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/engine_state.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// Receives every hand visited, with its category (for cross-checks in tests).
using HandVisitor = std::function<void(const Hand& hand, HandCategory category)>;

// The straightforward enumeration: one Card object per card, the classifier
// on every hand. It defines what the fast path must reproduce.
class ReferenceEnumerator {
public:
    ReferenceEnumerator(Deck deck, EngineState& state, ProgressCallback progress = {},
                        HandVisitor visitor = {});

    // enumerate(hand, 1, S*R, 1, 5). An inadmissible deck (no suits to
    // number cards by, or more hands than the counter holds) visits nothing
    // and gives false.
    [[nodiscard]] bool enumerate_all(Hand& hand);

    // Extends the hand by each card numbered first..n in turn and recurses
    // until it holds `size` cards, then counts it.
    void enumerate(Hand& hand, std::uint32_t first, std::uint32_t n, std::uint32_t level,
                   std::uint32_t size);

private:
    void countHand(const Hand& hand);

    Deck deck_;
    EngineState& state_;
    ProgressCallback progress_;
    HandVisitor visitor_;
};

}  // namespace marvane
