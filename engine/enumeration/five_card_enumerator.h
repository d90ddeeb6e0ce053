// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "engine/enumeration/five_card_hands.h"
#include "engine/enumeration/worker_driver.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/engine_state.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// The card numbers of one hand, ascending.
using CardNumbers = std::array<std::uint8_t, kHandSize>;
static_assert(kMaxSuits * kMaxRanks <= 0xFF, "card numbers must fit CardNumbers' 8-bit entries");

// Receives every hand the fast path visits, with its category.
using FiveCardVisitor = std::function<void(const CardNumbers& hand, HandCategory category)>;

// Visits the same hands in the same order as the ReferenceEnumerator and
// gives each the same category, adding it to state.enumerated; counts them
// in state.handCounter and calls progress at the same hands (progressStep is
// read once, at the start). Inside progress, state.enumerated holds every
// hand before the current one.
//
// Each hand is classified on its own, with two table lookups: the tables are
// built by classifying representative hands with categorize.
//
// Returns false and changes nothing when the deck is not admissible.
[[nodiscard]] bool enumerateFiveCards(Deck deck, EngineState& state,
                                      const ProgressCallback& progress = {});

// The same loop, also handing every hand to the visitor (for cross-checks).
[[nodiscard]] bool enumerateFiveCardsVisiting(Deck deck, EngineState& state,
                                              const ProgressCallback& progress,
                                              const FiveCardVisitor& visitor);

}  // namespace marvane
