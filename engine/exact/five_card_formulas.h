// SPDX-License-Identifier: MIT
#pragma once

#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// The number of hands in every category, by closed formulas, without visiting
// a hand. Wrapping unsigned 32-bit arithmetic throughout; exact for every
// admissible deck. floatingPath receives the decision of the last binomial,
// C(S*R, 5), as the dialog's "*" shows it.
CategoryCounts compute_counts(Deck deck, bool& floatingPath);
CategoryCounts compute_counts(Deck deck);

}  // namespace marvane
