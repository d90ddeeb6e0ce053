// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// Bit j is set when category j is summed into category i's Total (the
// categories whose pattern is at least as strong as i's). Always holds i.
std::uint32_t dominanceSet(HandCategory category);

// T[i] = sum of source[j] over the dominance set of i, wrapping.
CategoryCounts computeTotals(const CategoryCounts& source);

// The same over hands of six or seven cards, in 64 bits.
CategoryCounts64 computeTotals(const CategoryCounts64& source);

}  // namespace marvane
