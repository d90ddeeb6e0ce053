// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace marvane {

// What marvane-count --explain prints: one line per category, in index order,
// "Name: definition"; then, after a blank line, the suit patterns, Total and
// the "*" mark in the same form, the words for hands of six or seven cards,
// the joker, and the card notation. `head -n 17` gives just the categories.
// With `jokers` above 0 the definitions a joker changes are its own (see
// categoryDefinition and suitPatternTerms); the lines stay the same in
// number and order.
std::string explanationText(std::uint32_t jokers = 0);

}  // namespace marvane
