// SPDX-License-Identifier: MIT
#pragma once

#include "engine/vocabulary/card.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// The category of a full five-card hand of the given deck. This is the
// definition every faster path must agree with, hand for hand.
HandCategory categorize(const Hand& hand, Deck deck);

// The category of a hand of three or four cards, classed as itself: the
// pattern of its ranks (four or three of a kind, two pair, one pair, all its
// ranks in a row or 1 with the highest ones, none) crossed with the suits of
// all its cards (all one suit, all different, neither). A card that stands
// twice (a joker repeating a card of the hand) makes a pair, never a flush.
HandCategory categorizeAsItself(const Hand& hand, Deck deck);

// Adds the hand to its category's entry of the table.
void classify(const Hand& hand, Deck deck, CategoryCounts& counts);

// The four tests categorize is made of, exposed for tests.
namespace classifier_tests {

// Settles every hand with a repeated rank: returns its category, or nothing
// when the five ranks are distinct.
std::optional<HandCategory> rankPattern(const Hand& hand, Deck deck);

// Every card has the first card's suit.
bool isFlush(const Hand& hand);

// Five distinct consecutive ranks, or the one wrap-around {0, R-4, .., R-1}.
// Only meaningful for hands of five distinct ranks.
bool isStraight(const Hand& hand, Deck deck);

// Five pairwise distinct suits; never with fewer than five suits in the deck.
bool isRainbow(const Hand& hand, Deck deck);

}  // namespace classifier_tests

}  // namespace marvane
