// SPDX-License-Identifier: MIT
#pragma once

// The published seven-card table of the 52-card deck (4 suits x 13 ranks,
// 133,784,560 hands), for the tests and the benchmarks to hold the counts
// against. In the familiar order, best first; every other category has no
// hand.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/card_counts.h"
#include "engine/category_order.h"
#include "engine/hand_category.h"

namespace marvane::published {

struct PublishedCount {
    HandCategory category;
    std::string_view name;
    std::uint64_t hands;
};

inline constexpr std::array<PublishedCount, 9> kSevenCards = {{
    {HandCategory::StraightFlush, "Straight Flush", 41'584},
    {HandCategory::Hypochromatic4OfAKind, "Hypochromatic 4 of a Kind", 224'848},
    {HandCategory::HypochromaticFullHouse, "Hypochromatic Full House", 3'473'184},
    {HandCategory::Flush, "Flush", 4'047'644},
    {HandCategory::HypochromaticStraight, "Hypochromatic Straight", 6'180'020},
    {HandCategory::Hypochromatic3OfAKind, "Hypochromatic 3 of a Kind", 6'461'620},
    {HandCategory::Hypochromatic2Pair, "Hypochromatic 2 Pair", 31'433'400},
    {HandCategory::Hypochromatic1Pair, "Hypochromatic 1 Pair", 58'627'800},
    {HandCategory::Garbage, "Garbage", 23'294'460},
}};

inline CategoryCounts64 sevenCardCounts() {
    CategoryCounts64 counts;
    for (const PublishedCount& entry : kSevenCards) {
        counts[entry.category] = entry.hands;
    }
    return counts;
}

// The familiar ranking of the 52-card deck, best first.
inline CategoryOrder familiarOrder() {
    CategoryOrder order;
    for (const PublishedCount& entry : kSevenCards) {
        order.push_back(entry.category);
    }
    return order;
}

}  // namespace marvane::published
