// SPDX-License-Identifier: MIT
#pragma once

// Classes of hands for the exact K-card count. Internal to the engine.
//
// A hand is a set of d distinct ranks, how many cards of each it holds (the
// multiplicities, in rank order) and which suits those cards have. What the
// count needs of the ranks depends on which groups of them fit a straight;
// what it needs of the suits depends on the multiplicities and the suits
// alone, and only up to renaming the suits. So the rank sets are grouped by
// which of their groups fit a straight, the suit assignments are walked once
// per multiplicity vector, one per class of renamings with its size as
// weight, and the two are multiplied.

#include <array>
#include <bit>
#include <cstdint>
#include <map>
#include <vector>

#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane::cardclasses {

using SuitSet = std::uint8_t;  // bit s: suit s
static_assert(kMaxSuits <= 8, "a suit set must fit 8 bits");
// How many suits a set holds. A table: without -mpopcnt std::popcount is a
// call, and the walk asks this millions of times.
inline constexpr std::array<std::uint8_t, 256> kSuitsIn = [] {
    std::array<std::uint8_t, 256> counts{};
    for (std::size_t set = 0; set < counts.size(); ++set) {
        counts[set] = static_cast<std::uint8_t>(std::popcount(set));
    }
    return counts;
}();

// Per distinct rank of a hand, in rank order.
using Suits = std::array<SuitSet, kMaxCards>;
using Multiplicities = std::array<std::uint8_t, kMaxCards>;

// The groups of `size` positions among d, as position masks, and each mask's
// number in that list (-1 for a mask of another size).
struct PositionGroups {
    PositionGroups(std::uint32_t d, std::uint32_t size);
    std::vector<std::uint8_t> masks;
    std::array<std::int8_t, 1u << kMaxCards> number{};
};

// Sets of d ranks out of `ranks`, counted by which groups of their positions
// (PositionGroups numbers) fit inside one straight of `length` ranks:
// `length` ranks in a row, or rank 0 with the length - 1 highest. For groups
// of that length it is being a straight.
std::map<std::uint64_t, std::uint64_t> rankSetsByStraightFit(std::uint32_t ranks, std::uint32_t d,
                                                             const PositionGroups& groups,
                                                             std::uint32_t length);

// Calls visit(multiplicities) for every way to write `cards` as d parts of
// 1..maxPart, in rank order.
template <class Visit>
void forEachMultiplicities(std::uint32_t cards, std::uint32_t d, std::uint32_t maxPart,
                           const Visit& visit) {
    Multiplicities parts{};
    auto step = [&](auto& self, std::uint32_t left, std::uint32_t position) -> void {
        if (position == d) {
            if (left == 0) {
                visit(parts);
            }
            return;
        }
        for (std::uint32_t part = 1; part <= maxPart && part <= left; ++part) {
            parts[position] = static_cast<std::uint8_t>(part);
            self(self, left - part, position + 1);
        }
    };
    step(step, cards, 0);
}

// Calls visit(suits, weight) for every assignment of suits to d ranks with
// these multiplicities, one per class of suit renamings; weight is the number
// of assignments in the class.
template <class Visit>
void forEachSuitAssignment(std::uint32_t suitCount, const Multiplicities& multiplicities,
                           std::uint32_t d, const Visit& visit) {
    Suits suits{};
    // Suits 0..used-1 are taken by the ranks before `position`; the next rank
    // takes some of those and `fresh` new ones, which are suits used.. on
    // (any fresh suits will do: the others are renamings of them).
    auto assign = [&](auto& self, std::uint32_t position, std::uint32_t used,
                      std::uint64_t weight) -> void {
        if (position == d) {
            visit(static_cast<const Suits&>(suits), weight);
            return;
        }
        const std::uint32_t m = multiplicities[position];
        for (std::uint32_t fresh = 0; fresh <= m && used + fresh <= suitCount; ++fresh) {
            const auto freshSuits = static_cast<SuitSet>(((1u << fresh) - 1) << used);
            const std::uint64_t ways = weight * choose64(suitCount - used, fresh);
            for (std::uint32_t old = 0; old < (1u << used); ++old) {
                if (kSuitsIn[old] == m - fresh) {
                    suits[position] = static_cast<SuitSet>(old | freshSuits);
                    self(self, position + 1, used + fresh, ways);
                }
            }
        }
    };
    assign(assign, 0, 0, 1);
}

// Calls visit(take) for every way to take `size` cards of the multiplicities,
// at most multiplicities[i] of rank position i.
template <class Visit>
void forEachTake(const Multiplicities& multiplicities, std::uint32_t d, std::uint32_t size,
                 const Visit& visit) {
    Multiplicities take{};
    auto step = [&](auto& self, std::uint32_t position, std::uint32_t taken) -> void {
        if (position == d) {
            if (taken == size) {
                visit(static_cast<const Multiplicities&>(take));
            }
            return;
        }
        for (std::uint32_t t = 0; t <= multiplicities[position] && taken + t <= size; ++t) {
            take[position] = static_cast<std::uint8_t>(t);
            self(self, position + 1, taken + t);
        }
        take[position] = 0;
    };
    step(step, 0, 0);
}

}  // namespace marvane::cardclasses
