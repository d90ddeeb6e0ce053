// SPDX-License-Identifier: MIT
#include "engine/vocabulary/rank_pattern.h"

#include <array>

namespace marvane {

namespace {

using HC = HandCategory;

// Rows by rank pattern, columns Flush, Rainbow, Hypochromatic: the category table.
constexpr std::array<std::array<HandCategory, kSuitPatternCount>, kRankPatternCount> kCategories = {
    {
        {HC::FiveOfAKind, HC::FiveOfAKind, HC::FiveOfAKind},
        {HC::Hypochromatic4OfAKind, HC::Rainbow4OfAKind, HC::Hypochromatic4OfAKind},
        {HC::HypochromaticFullHouse, HC::RainbowFullHouse, HC::HypochromaticFullHouse},
        {HC::Hypochromatic3OfAKind, HC::Rainbow3OfAKind, HC::Hypochromatic3OfAKind},
        {HC::Hypochromatic2Pair, HC::Rainbow2Pair, HC::Hypochromatic2Pair},
        {HC::Hypochromatic1Pair, HC::Rainbow1Pair, HC::Hypochromatic1Pair},
        {HC::StraightFlush, HC::RainbowStraight, HC::HypochromaticStraight},
        {HC::Flush, HC::Rainbow, HC::Garbage},
    }};

}  // namespace

HandCategory categoryOf(RankPattern ranks, SuitPattern suits) {
    return kCategories[static_cast<std::size_t>(ranks)][static_cast<std::size_t>(suits)];
}

RankPattern rankPatternOf(HandCategory category) {
    for (std::size_t r = 0; r < kRankPatternCount; ++r) {
        for (HandCategory c : kCategories[r]) {
            if (c == category) {
                return static_cast<RankPattern>(r);
            }
        }
    }
    return RankPattern::NoPattern;  // not reached: every category is in the table
}

}  // namespace marvane
