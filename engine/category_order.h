// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/deck.h"
#include "engine/hand_category.h"

namespace marvane {

// Which five-card category is better, best first: a hand of more cards
// falls into the best category among its fives. Categories without a
// five-card hand in the deck may be left out; they never occur.
using CategoryOrder = std::vector<HandCategory>;

// The deck's own order: the category with fewer five-card hands (closed
// forms) is better, of two with equal counts the one with the lower index.
// Categories without a hand in the deck are left out.
CategoryOrder defaultOrder(Deck deck);

// Why the order can't rank the deck's hands (a category twice, or one that
// occurs in the deck missing), or nothing when it can.
std::optional<std::string> orderProblem(Deck deck, const CategoryOrder& order);

// Each category's place in an order, 0 for the best; kNoPlace for one left out.
inline constexpr std::uint8_t kNoPlace = 0xFF;
using OrderPlaces = std::array<std::uint8_t, kCategoryCount>;
OrderPlaces placesOf(const CategoryOrder& order);

}  // namespace marvane
