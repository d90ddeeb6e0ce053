// SPDX-License-Identifier: MIT
#pragma once

namespace marvane::bench {

// Hands with jokers: the exact count, the enumeration and the reference.
void registerJokerBenchmarks();

}  // namespace marvane::bench
