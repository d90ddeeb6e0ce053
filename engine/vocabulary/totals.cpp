// SPDX-License-Identifier: MIT
#include "engine/vocabulary/totals.h"

#include <array>
#include <initializer_list>

namespace marvane {

namespace {

constexpr std::uint32_t setOf(std::initializer_list<int> members) {
    std::uint32_t bits = 0;
    for (int member : members) {
        bits |= 1u << member;
    }
    return bits;
}

constexpr std::uint32_t upTo(int last) {
    return (2u << last) - 1;
}

// Paired patterns are dominated by the patterns that contain them; a Rainbow
// row sums only the rainbow members (and Five of a Kind), a Hypochromatic row
// both kinds. Flush takes in Straight Flush, Hypochromatic Straight every
// straight, Rainbow every rainbow category, Garbage everything.
constexpr std::array<std::uint32_t, kCategoryCount> kDominance = {
    setOf({0}),                         // Five of a Kind
    setOf({0, 1}),                      // Rainbow 4 of a Kind
    setOf({0, 1, 2}),                   // Hypochromatic 4 of a Kind
    setOf({0, 3}),                      // Rainbow Full House
    setOf({0, 3, 4}),                   // Hypochromatic Full House
    setOf({0, 1, 3, 5}),                // Rainbow 3 of a Kind
    upTo(6),                            // Hypochromatic 3 of a Kind
    setOf({0, 1, 3, 7}),                // Rainbow 2 Pair
    setOf({0, 1, 2, 3, 4, 7, 8}),       // Hypochromatic 2 Pair
    setOf({0, 1, 3, 5, 7, 9}),          // Rainbow 1 Pair
    upTo(10),                           // Hypochromatic 1 Pair
    setOf({11}),                        // Straight Flush
    setOf({11, 12}),                    // Flush
    setOf({13}),                        // Rainbow Straight
    setOf({11, 13, 14}),                // Hypochromatic Straight
    setOf({0, 1, 3, 5, 7, 9, 13, 15}),  // Rainbow
    upTo(16),                           // Garbage
};

}  // namespace

std::uint32_t dominanceSet(HandCategory category) {
    return kDominance.at(indexOf(category));
}

namespace {

template <class Counts>
Counts totalsOf(const Counts& source) {
    Counts totals;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        for (std::size_t j = 0; j < kCategoryCount; ++j) {
            if (kDominance[i] & (1u << j)) {
                totals[i] += source[j];
            }
        }
    }
    return totals;
}

}  // namespace

CategoryCounts computeTotals(const CategoryCounts& source) {
    return totalsOf(source);
}

CategoryCounts64 computeTotals(const CategoryCounts64& source) {
    return totalsOf(source);
}

}  // namespace marvane
