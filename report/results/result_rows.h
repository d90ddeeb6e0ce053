// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "engine/vocabulary/display_order.h"
#include "engine/vocabulary/engine_state.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// Counts are shown as plain unsigned decimal, without separators.
std::string formatCount(std::uint32_t count);

struct ResultRow {
    HandCategory category;
    std::vector<std::string> texts;  // one per column: Hand, [Enumerated,] Computed, Total
};

// The 17 rows in the order they are added to the list.
std::vector<ResultRow> resultRows(const EngineState& state, bool withEnumeration);

}  // namespace marvane
