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

// Which five-card category is better, best first: a hand of more cards
// falls into the best category among its fives, a hand with jokers into the
// best it can reach. Categories no hand can reach may be left out.
using CategoryOrder = std::vector<HandCategory>;

// Bit c for category c: the categories some hand of the deck can reach, its
// five-card categories and, with a joker, Five of a Kind.
std::uint32_t reachableCategories(Deck deck, std::uint32_t jokers = 0);

// The deck's own order: the category with fewer five-card hands without
// jokers (closed forms) is better, of two with equal counts the one with the
// lower index. Categories with no such hand that a joker reaches come first,
// by index; those no hand reaches are left out.
CategoryOrder defaultOrder(Deck deck, std::uint32_t jokers = 0);

// Why the order can't rank the hands (a category twice, or one that a hand
// can reach missing), or nothing when it can.
std::optional<std::string> orderProblem(Deck deck, const CategoryOrder& order,
                                        std::uint32_t jokers = 0);

// Each category's place in an order, 0 for the best; kNoPlace for one left out.
inline constexpr std::uint8_t kNoPlace = 0xFF;
using OrderPlaces = std::array<std::uint8_t, kCategoryCount>;
OrderPlaces placesOf(const CategoryOrder& order);

}  // namespace marvane
