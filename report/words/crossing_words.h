// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "engine/series/crossings.h"

namespace marvane {

// "from 5 to 6 suits, Straight Flush becomes rarer than Five of a Kind".
std::string describeCrossing(const Crossing& crossing, DeckDimension varying);

// "from 5 to 6 cards, Garbage becomes rarer than Hypochromatic 1 Pair": the
// unit is what varies ("suits", "ranks", "cards" or "jokers"); a crossing
// through equal counts ends in " (equal at 2)".
std::string describeCrossing(const Crossing& crossing, std::string_view unit);

// "joker" when the crossing ends at one joker, else "jokers".
std::string_view jokerUnit(const Crossing& crossing);

}  // namespace marvane
