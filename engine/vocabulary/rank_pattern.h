// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/suit_pattern.h"

namespace marvane {

// A category is one rank pattern crossed with one suit pattern. Splitting it
// this way lets the fast enumeration follow the ranks and the suits of a
// growing hand separately and join them with one lookup per hand.
enum class RankPattern : std::uint8_t {
    FiveOfAKind,
    FourOfAKind,
    FullHouse,
    ThreeOfAKind,
    TwoPair,
    OnePair,
    Straight,   // five distinct ranks forming a straight
    NoPattern,  // five distinct ranks, no straight
};
inline constexpr std::size_t kRankPatternCount = 8;

// The category of a hand with these patterns. A hand with a repeated rank
// can't be a flush; such a pair of patterns gets the hypochromatic category.
HandCategory categoryOf(RankPattern ranks, SuitPattern suits);

// The rank pattern every hand of the category has.
RankPattern rankPatternOf(HandCategory category);

}  // namespace marvane
