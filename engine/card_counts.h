// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/hand_category.h"

namespace marvane {

// Hands of six and seven cards count as their best five. Five is the
// program's own hand size; its 32-bit tables stay as they are.
inline constexpr std::uint32_t kMinCards = 5;
inline constexpr std::uint32_t kMaxCards = 7;

// C(n, k) exactly in 64 bits; 0 when n < k. Every admissible deck's number of
// hands of up to seven cards fits: C(160, 7) = 466,251,591,520.
constexpr std::uint64_t choose64(std::uint64_t n, std::uint64_t k) {
    if (n < k) {
        return 0;
    }
    std::uint64_t result = 1;
    for (std::uint64_t i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;  // exact: a binomial at every step
    }
    return result;
}

// One unsigned 64-bit count per category, for hands of more than five cards.
class CategoryCounts64 {
public:
    std::uint64_t& operator[](HandCategory c) { return counts_[indexOf(c)]; }
    std::uint64_t operator[](HandCategory c) const { return counts_[indexOf(c)]; }
    std::uint64_t& operator[](std::size_t index) { return counts_.at(index); }
    std::uint64_t operator[](std::size_t index) const { return counts_.at(index); }

    void clear() { counts_.fill(0); }
    std::uint64_t sum() const {
        std::uint64_t total = 0;
        for (std::uint64_t count : counts_) {
            total += count;
        }
        return total;
    }
    CategoryCounts64& operator+=(const CategoryCounts64& other) {
        for (std::size_t i = 0; i < kCategoryCount; ++i) {
            counts_[i] += other.counts_[i];
        }
        return *this;
    }
    const std::array<std::uint64_t, kCategoryCount>& values() const { return counts_; }

    friend bool operator==(const CategoryCounts64&, const CategoryCounts64&) = default;

private:
    std::array<std::uint64_t, kCategoryCount> counts_{};
};

}  // namespace marvane
