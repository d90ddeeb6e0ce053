// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace marvane {

// C(n, k) in wrapping unsigned 32-bit arithmetic, built up level by level as
// C(m, k) = C(m - 1, k) * m / (m - k) for m = k + 1 .. n.
//
// A level whose C(m - 1, k) exceeds 49,000,000 would overflow 32 bits in the
// product, so it works in double precision instead. Every level records its
// choice in floatingPath, so after the call it holds the choice of the last
// (outermost) level: that is what the dialog's "*" shows. When n <= k no
// level runs and floatingPath keeps its value.
std::uint32_t binomial(std::uint32_t n, std::uint32_t k, bool& floatingPath);

// C(n, k) when the caller has no use for the floating-path decision.
std::uint32_t binomial(std::uint32_t n, std::uint32_t k);

// The falling factorial P(n, k) = n (n - 1) ... (n - k + 1), wrapping; 0 when n < k.
std::uint32_t falling(std::uint32_t n, std::uint32_t k);

}  // namespace marvane
