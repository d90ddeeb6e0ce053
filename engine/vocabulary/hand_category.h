// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace marvane {

// The 17 categories every five-card hand falls into. The values are the
// fixed indices that address every count table.
enum class HandCategory : std::uint8_t {
    FiveOfAKind = 0,
    Rainbow4OfAKind = 1,
    Hypochromatic4OfAKind = 2,
    RainbowFullHouse = 3,
    HypochromaticFullHouse = 4,
    Rainbow3OfAKind = 5,
    Hypochromatic3OfAKind = 6,
    Rainbow2Pair = 7,
    Hypochromatic2Pair = 8,
    Rainbow1Pair = 9,
    Hypochromatic1Pair = 10,
    StraightFlush = 11,
    Flush = 12,
    RainbowStraight = 13,
    HypochromaticStraight = 14,
    Rainbow = 15,
    Garbage = 16,
};

inline constexpr std::size_t kCategoryCount = 17;

constexpr std::size_t indexOf(HandCategory category) {
    return static_cast<std::size_t>(category);
}

// The category with this index, or nothing for an index outside 0..16.
std::optional<HandCategory> categoryFromIndex(std::size_t index);

// The name shown in the results list, e.g. "Rainbow 4 of a Kind".
std::string_view displayName(HandCategory category);

// One unsigned 32-bit count per category. Arithmetic on counts wraps modulo
// 2^32 like the closed formulas; no admissible deck comes near that.
class CategoryCounts {
public:
    std::uint32_t& operator[](HandCategory c) { return counts_[indexOf(c)]; }
    std::uint32_t operator[](HandCategory c) const { return counts_[indexOf(c)]; }
    std::uint32_t& operator[](std::size_t index) { return counts_.at(index); }
    std::uint32_t operator[](std::size_t index) const { return counts_.at(index); }

    void clear() { counts_.fill(0); }
    std::uint32_t sum() const;  // wrapping
    const std::array<std::uint32_t, kCategoryCount>& values() const { return counts_; }

    friend bool operator==(const CategoryCounts&, const CategoryCounts&) = default;

private:
    std::array<std::uint32_t, kCategoryCount> counts_{};
};

}  // namespace marvane
