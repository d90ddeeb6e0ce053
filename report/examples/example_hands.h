// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "engine/vocabulary/card.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// One real hand of a category in a given deck, or why there is none.
struct CategoryExample {
    Hand hand;           // five cards that the classifier puts in the category; empty if none
    std::string reason;  // why the category cannot occur; empty when there is a hand

    bool occurs() const { return !hand.empty(); }
};

// A hand of this category in this deck, built from a fixed pattern and checked
// with the classifier, so it costs microseconds. Only decks with five or more
// suits have the categories that need five different suits (Five of a Kind
// and every Rainbow one); for the others, and for decks outside 4..8 suits and
// 7..20 ranks, the reason says what is missing.
CategoryExample exampleHand(HandCategory category, Deck deck);

// A hand of `cards` cards (3 to 8) in the category: below five cards one
// classed as itself (smallHandExample), from five up one whose best five
// under the order is the category, the five-card example with cards added
// that leave it best; or why there is none.
CategoryExample exampleHand(HandCategory category, Deck deck, std::uint32_t cards,
                            const CategoryOrder& order);

// A hand of three or four cards that is the category as itself, from a
// fixed pattern checked with the classifier, or why there is none (four
// cards never make five of a kind or a full house, three cards never two
// pairs or four of a kind, and some take a joker that repeats a card).
CategoryExample smallHandExample(HandCategory category, Deck deck, std::uint32_t cards);

// The cards of that pattern, `cards` of them, also where they repeat a card
// (as a joker would) or don't make the category; empty where four cards
// can't make it.
Hand smallHandPattern(HandCategory category, std::uint32_t cards);

}  // namespace marvane
