// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "engine/vocabulary/card.h"

namespace marvane {

// Cards as the user reads them: the rank counted from 1 (rank 0 is "1", the
// highest of R ranks is "R"), then the suit as a letter from 'a' ("7a", "13c").
// Suits past 'z' never occur in a deck and are written '?'.
std::string cardText(const Card& card);

// The cards in hand order, separated by single spaces: "7a 7b 4c 4d 2e".
// With jokers, the natural cards, then one "Jk" per joker: "7a 7b 7c 7d Jk".
std::string handText(const Hand& hand, std::uint32_t jokers = 0);

// "1 joker", "2 jokers".
std::string jokersText(std::uint32_t jokers);

}  // namespace marvane
