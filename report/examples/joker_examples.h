// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "engine/vocabulary/card.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// One hand of a deck with jokers whose best reachable category is the one
// asked for, or why there is none.
struct JokerExample {
    Hand naturals;             // the hand's cards other than its jokers
    std::uint32_t jokers = 0;  // how many jokers it holds
    std::string reason;        // why the category cannot occur; empty when there is a hand

    bool occurs() const { return reason.empty(); }
};

// A hand of `cards` cards (5 to 7) that counts in the category under the
// order when the deck holds `jokers` jokers. It shows a joker where one can
// stand: the category's five-card example with one card a joker, cards
// added for six or seven, when the hand still counts in the category; else
// a hand without jokers.
JokerExample exampleJokerHand(HandCategory category, Deck deck, std::uint32_t cards,
                              std::uint32_t jokers, const CategoryOrder& order);

}  // namespace marvane
