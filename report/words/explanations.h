// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "engine/vocabulary/deck.h"

namespace marvane {

// What marvane-count --explain prints: one line per category, in index order,
// "Name: definition"; then, after a blank line, the suit patterns, Total and
// the "*" mark in the same form, the words for hands of other sizes than
// five, the joker, and the card notation. `head -n 17` gives just the
// categories. With `jokers` above 0 the definitions a joker changes are its
// own, and for hands of three or four `cards` those of such hands (see
// categoryDefinition and suitPatternTerms); the lines stay the same in
// number and order.
std::string explanationText(std::uint32_t jokers = 0, std::uint32_t cards = kHandSize);

}  // namespace marvane
