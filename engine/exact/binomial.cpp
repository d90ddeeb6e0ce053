// SPDX-License-Identifier: MIT
#include "engine/exact/binomial.h"

#include <cmath>

namespace marvane {

namespace {

// Above this, d * m may not fit in 32 bits (C(92, 5) * 93 would not).
constexpr std::uint32_t kIntegerPathLimit = 49'000'000;

// The low 32 bits of trunc(x) for a non-negative x of any size.
std::uint32_t low32BitsOf(double x) {
    return static_cast<std::uint32_t>(std::fmod(std::trunc(x), 4294967296.0));
}

}  // namespace

std::uint32_t binomial(std::uint32_t n, std::uint32_t k, bool& floatingPath) {
    if (n < k) {
        return 0;
    }
    std::uint32_t d = 1;  // C(k, k)
    for (std::uint32_t m = k + 1; m > k && m <= n; ++m) {
        if (d > kIntegerPathLimit) {
            floatingPath = true;
            d = low32BitsOf(static_cast<double>(d) * static_cast<double>(m) /
                            static_cast<double>(m - k));
        } else {
            floatingPath = false;
            d = d * m / (m - k);
        }
    }
    return d;
}

std::uint32_t binomial(std::uint32_t n, std::uint32_t k) {
    bool ignored = false;
    return binomial(n, k, ignored);
}

std::uint32_t falling(std::uint32_t n, std::uint32_t k) {
    if (n < k) {
        return 0;
    }
    std::uint32_t product = 1;
    for (std::uint32_t j = 0; j < k; ++j) {
        product *= n - j;
    }
    return product;
}

}  // namespace marvane
