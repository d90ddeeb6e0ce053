// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/hand_count.h"

namespace marvane {

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
