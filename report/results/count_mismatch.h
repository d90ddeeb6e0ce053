// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// A category whose enumerated count differs from its computed one, at any
// hand size.
struct CountMismatch {
    HandCategory category;
    std::uint64_t enumerated;
    std::uint64_t computed;

    friend bool operator==(const CountMismatch&, const CountMismatch&) = default;
};

// Every category, in index order, where the two tables disagree.
std::vector<CountMismatch> findCountMismatches(const CategoryCounts& enumerated,
                                               const CategoryCounts& computed);
std::vector<CountMismatch> findCountMismatches(const CategoryCounts64& enumerated,
                                               const CategoryCounts64& computed);

// One line for the user, e.g.
// "5 suits x 7 ranks: Flush: enumerated 84, computed 85"; a hand of more
// than five cards, or a deck with jokers, names them after the deck:
// "5 suits x 7 ranks, 6 cards, 1 joker: ...".
std::string describeMismatch(Deck deck, std::uint32_t cards, std::uint32_t jokers,
                             const CountMismatch& mismatch);

}  // namespace marvane
