// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// The order in which the rows are added, each on top of the list, so that
// before any sorting Five of a Kind is the first row and Garbage the last.
inline constexpr std::array<HandCategory, kCategoryCount> kRowAddOrder = {
    HandCategory::Garbage,
    HandCategory::Hypochromatic1Pair,
    HandCategory::Hypochromatic2Pair,
    HandCategory::Rainbow,
    HandCategory::Hypochromatic3OfAKind,
    HandCategory::Rainbow1Pair,
    HandCategory::HypochromaticStraight,
    HandCategory::Rainbow2Pair,
    HandCategory::Rainbow3OfAKind,
    HandCategory::HypochromaticFullHouse,
    HandCategory::Flush,
    HandCategory::Hypochromatic4OfAKind,
    HandCategory::RainbowFullHouse,
    HandCategory::RainbowStraight,
    HandCategory::Rainbow4OfAKind,
    HandCategory::StraightFlush,
    HandCategory::FiveOfAKind,
};

// The categories from the top of the list after it is sorted ascending by
// Total: rows of equal Total keep the order they had before the sort.
std::array<HandCategory, kCategoryCount> displayOrder(const CategoryCounts& totals);
std::array<HandCategory, kCategoryCount> displayOrder(const CategoryCounts64& totals);

}  // namespace marvane
