// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>

#include "engine/vocabulary/hand_category.h"

namespace marvane {

// Everything one computation leaves behind, owned by whoever runs it (the
// dialog keeps one for its whole life).
struct EngineState {
    CategoryCounts enumerated;                          // filled by the exhaustive enumeration
    CategoryCounts computed;                            // filled by the closed formulas
    CategoryCounts totals;                              // cumulative, from one of the two above
    std::uint32_t handCounter = 0;                      // hands visited by the last enumeration
    std::uint32_t progressStep = 0;                     // hands per progress tick
    std::chrono::steady_clock::time_point startTime{};  // start of the last computation

    void clearTables() {
        enumerated.clear();
        computed.clear();
        totals.clear();
    }
};

}  // namespace marvane
