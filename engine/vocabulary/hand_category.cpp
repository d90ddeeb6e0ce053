// SPDX-License-Identifier: MIT
#include "engine/vocabulary/hand_category.h"

namespace marvane {

namespace {

constexpr std::array<std::string_view, kCategoryCount> kDisplayNames = {
    "Five of a Kind",
    "Rainbow 4 of a Kind",
    "Hypochromatic 4 of a Kind",
    "Rainbow Full House",
    "Hypochromatic Full House",
    "Rainbow 3 of a Kind",
    "Hypochromatic 3 of a Kind",
    "Rainbow 2 Pair",
    "Hypochromatic 2 Pair",
    "Rainbow 1 Pair",
    "Hypochromatic 1 Pair",
    "Straight Flush",
    "Flush",
    "Rainbow Straight",
    "Hypochromatic Straight",
    "Rainbow",
    "Garbage",
};

}  // namespace

std::optional<HandCategory> categoryFromIndex(std::size_t index) {
    if (index >= kCategoryCount) {
        return std::nullopt;
    }
    return static_cast<HandCategory>(index);
}

std::string_view displayName(HandCategory category) {
    const std::size_t index = indexOf(category);
    return index < kCategoryCount ? kDisplayNames[index] : std::string_view();
}

std::uint32_t CategoryCounts::sum() const {
    std::uint32_t total = 0;
    for (std::uint32_t count : counts_) {
        total += count;
    }
    return total;
}

}  // namespace marvane
