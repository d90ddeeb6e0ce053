// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>

#include "engine/vocabulary/card.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// Hands of three to eight cards, with or without jokers, worked out plainly:
// the oracle of the tests and the baseline of the benchmarks, slow on purpose.
//
// A joker stands for any card of the deck, also one the hand holds. A hand
// of five or more cards reaches the categories of every five of its cards
// with every replacement of the jokers among them, each five classified by
// the reference classifier; a hand of three or four cards is classed as
// itself, every replacement of its jokers tried. Which jokers a hand holds
// changes nothing, so a hand is its natural part and a number of jokers.
inline constexpr std::uint32_t kReferenceMinCards = 3;
inline constexpr std::uint32_t kReferenceMaxCards = 8;
class JokerReference {
public:
    explicit JokerReference(Deck deck) : deck_(deck) {}

    // Bit c for category c: what the natural cards and `jokers` jokers reach.
    std::uint32_t reach(const Hand& naturals, std::uint32_t jokers);

private:
    // What these natural cards and `wilds` wild cards make together as one
    // group (five cards, or a whole hand of three or four), every
    // replacement tried; remembered per cards and wilds.
    std::uint32_t groupReach(const Hand& cards, std::uint32_t wilds);

    Deck deck_;
    std::unordered_map<std::uint64_t, std::uint32_t> fives_;
};

// Receives every natural part with its number of jokers, and its category.
using JokerHandVisitor =
    std::function<void(const Hand& naturals, std::uint32_t jokers, HandCategory category)>;

// Visits every hand of `cards` cards of the deck with `jokers` jokers, as its
// natural part in lexicographic order of card numbers, fewest jokers first,
// and counts it in the best category it reaches under the order, times the
// C(jokers, j) hands the part stands for. Nothing for an inadmissible deck,
// hand size (kReferenceMinCards to kReferenceMaxCards) or number of jokers,
// or an order that leaves out a category some hand reaches.
std::optional<CategoryCounts64> enumerateJokersReference(Deck deck, std::uint32_t cards,
                                                         std::uint32_t jokers,
                                                         const CategoryOrder& order,
                                                         const JokerHandVisitor& visitor = {});

// The hands by the set of categories they reach (bit c for category c), as
// KCardCountTable::categorySets has them.
std::map<std::uint32_t, std::uint64_t> jokerCategorySetsReference(Deck deck, std::uint32_t cards,
                                                                  std::uint32_t jokers);

}  // namespace marvane
