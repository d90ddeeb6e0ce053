// SPDX-License-Identifier: MIT
#pragma once

// Published tables of the 52-card deck (4 suits x 13 ranks), for the tests
// and the benchmarks to hold the counts against, three to seven cards.
// Every category a table leaves out has no hand.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane::published {

struct PublishedCount {
    HandCategory category;
    std::string_view name;
    std::uint64_t hands;
};

// Five cards (2,598,960 hands), one category each.
inline constexpr std::array<PublishedCount, 9> kFiveCards = {{
    {HandCategory::StraightFlush, "Straight Flush", 40},
    {HandCategory::Hypochromatic4OfAKind, "Hypochromatic 4 of a Kind", 624},
    {HandCategory::HypochromaticFullHouse, "Hypochromatic Full House", 3'744},
    {HandCategory::Flush, "Flush", 5'108},
    {HandCategory::HypochromaticStraight, "Hypochromatic Straight", 10'200},
    {HandCategory::Hypochromatic3OfAKind, "Hypochromatic 3 of a Kind", 54'912},
    {HandCategory::Hypochromatic2Pair, "Hypochromatic 2 Pair", 123'552},
    {HandCategory::Hypochromatic1Pair, "Hypochromatic 1 Pair", 1'098'240},
    {HandCategory::Garbage, "Garbage", 1'302'540},
}};

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

// A table's counts; the categories it leaves out have none.
template <std::size_t N>
CategoryCounts64 countsOf(const std::array<PublishedCount, N>& table) {
    CategoryCounts64 counts;
    for (const PublishedCount& entry : table) {
        counts[entry.category] = entry.hands;
    }
    return counts;
}

inline CategoryCounts64 fiveCardCounts() {
    return countsOf(kFiveCards);
}

inline CategoryCounts64 sevenCardCounts() {
    return countsOf(kSevenCards);
}

// Three cards (22,100 hands) and four (270,725), each hand classed as
// itself: the published tables split by suit pattern, rarest first.
inline constexpr std::array<PublishedCount, 9> kThreeCards = {{
    {HandCategory::StraightFlush, "Straight Flush", 48},
    {HandCategory::Rainbow3OfAKind, "Rainbow 3 of a Kind", 52},
    {HandCategory::RainbowStraight, "Rainbow Straight", 288},
    {HandCategory::HypochromaticStraight, "Hypochromatic Straight", 432},
    {HandCategory::Flush, "Flush", 1'096},
    {HandCategory::Rainbow1Pair, "Rainbow 1 Pair", 1'872},
    {HandCategory::Hypochromatic1Pair, "Hypochromatic 1 Pair", 1'872},
    {HandCategory::Rainbow, "Rainbow", 6'576},
    {HandCategory::Garbage, "Garbage", 9'864},
}};

inline constexpr std::array<PublishedCount, 13> kFourCards = {{
    {HandCategory::Rainbow4OfAKind, "Rainbow 4 of a Kind", 13},
    {HandCategory::StraightFlush, "Straight Flush", 44},
    {HandCategory::RainbowStraight, "Rainbow Straight", 264},
    {HandCategory::Rainbow2Pair, "Rainbow 2 Pair", 468},
    {HandCategory::Rainbow3OfAKind, "Rainbow 3 of a Kind", 624},
    {HandCategory::Hypochromatic3OfAKind, "Hypochromatic 3 of a Kind", 1'872},
    {HandCategory::Hypochromatic2Pair, "Hypochromatic 2 Pair", 2'340},
    {HandCategory::HypochromaticStraight, "Hypochromatic Straight", 2'508},
    {HandCategory::Flush, "Flush", 2'816},
    {HandCategory::Rainbow1Pair, "Rainbow 1 Pair", 10'296},
    {HandCategory::Rainbow, "Rainbow", 16'896},
    {HandCategory::Hypochromatic1Pair, "Hypochromatic 1 Pair", 72'072},
    {HandCategory::Garbage, "Garbage", 160'512},
}};

inline CategoryCounts64 threeCardCounts() {
    return countsOf(kThreeCards);
}

inline CategoryCounts64 fourCardCounts() {
    return countsOf(kFourCards);
}

// The published five-card table of the 52-card deck with one joker
// (2,869,685 hands) under its own order; every other category has no hand.
// With two pair ranked just above three of a kind, those two become
// 205,920 and 54,912.
inline constexpr std::array<PublishedCount, 10> kOneJoker = {{
    {HandCategory::FiveOfAKind, "Five of a Kind", 13},
    {HandCategory::StraightFlush, "Straight Flush", 204},
    {HandCategory::Hypochromatic4OfAKind, "Hypochromatic 4 of a Kind", 3'120},
    {HandCategory::HypochromaticFullHouse, "Hypochromatic Full House", 6'552},
    {HandCategory::Flush, "Flush", 7'804},
    {HandCategory::HypochromaticStraight, "Hypochromatic Straight", 20'532},
    {HandCategory::Hypochromatic3OfAKind, "Hypochromatic 3 of a Kind", 137'280},
    {HandCategory::Hypochromatic2Pair, "Hypochromatic 2 Pair", 123'552},
    {HandCategory::Hypochromatic1Pair, "Hypochromatic 1 Pair", 1'268'088},
    {HandCategory::Garbage, "Garbage", 1'302'540},
}};

inline CategoryCounts64 oneJokerCounts() {
    return countsOf(kOneJoker);
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
