// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/deck.h"
#include "engine/hand_category.h"

namespace marvane {

// A category whose enumerated count differs from its closed-form count.
struct CountMismatch {
    HandCategory category;
    std::uint32_t enumerated;
    std::uint32_t computed;

    friend bool operator==(const CountMismatch&, const CountMismatch&) = default;
};

// Every category, in index order, where the two tables disagree.
std::vector<CountMismatch> findCountMismatches(const CategoryCounts& enumerated,
                                               const CategoryCounts& computed);

// One line for the user, e.g.
// "5 suits x 7 ranks: Flush: enumerated 84, computed 85".
std::string describeMismatch(Deck deck, const CountMismatch& mismatch);

}  // namespace marvane
