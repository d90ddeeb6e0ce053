// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// Which category is better, best first: a hand of more than five cards
// falls into the best category among its fives, a hand with jokers into the
// best it can reach. Categories no hand can reach may be left out.
using CategoryOrder = std::vector<HandCategory>;

// Bit c for category c: the categories some hand of `cards` cards of the
// deck with `jokers` jokers can reach. From five cards up, the deck's
// five-card categories and, with a joker, Five of a Kind; a hand of three or
// four cards, classed as itself, has its own.
std::uint32_t reachableCategories(Deck deck, std::uint32_t cards, std::uint32_t jokers);

// The deck's own order for hands of `cards` cards: the category with fewer
// hands without jokers is better, of two with equal counts the one with the
// lower index. The hands counted are the five-card ones (closed forms) from
// five cards up, and the hand's own at three and four cards, where every
// hand has one category. Categories with no such hand that a joker reaches
// come first, by index; those no hand reaches are left out.
CategoryOrder defaultOrder(Deck deck, std::uint32_t cards, std::uint32_t jokers);

// Why the order can't rank the hands of `cards` cards (a category twice, or
// one that a hand can reach missing), or nothing when it can.
std::optional<std::string> orderProblem(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                                        std::uint32_t jokers);

// Each category's place in an order, 0 for the best; kNoPlace for one left out.
inline constexpr std::uint8_t kNoPlace = 0xFF;
using OrderPlaces = std::array<std::uint8_t, kCategoryCount>;
OrderPlaces placesOf(const CategoryOrder& order);

}  // namespace marvane
