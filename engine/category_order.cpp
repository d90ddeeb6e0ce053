// SPDX-License-Identifier: MIT
#include "engine/category_order.h"

#include <algorithm>

#include "engine/closed_form.h"

namespace marvane {

CategoryOrder defaultOrder(Deck deck) {
    const CategoryCounts counts = compute_counts(deck);
    CategoryOrder order;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        if (counts[i] != 0) {
            order.push_back(static_cast<HandCategory>(i));
        }
    }
    // Stable, so equal counts keep index order.
    std::stable_sort(order.begin(), order.end(),
                     [&](HandCategory a, HandCategory b) { return counts[a] < counts[b]; });
    return order;
}

std::optional<std::string> orderProblem(Deck deck, const CategoryOrder& order) {
    std::array<bool, kCategoryCount> seen{};
    for (HandCategory category : order) {
        const std::size_t index = indexOf(category);
        if (index >= kCategoryCount) {
            return "the order holds a category index " + std::to_string(index);
        }
        if (seen[index]) {
            return "the order names " + std::string(displayName(category)) + " twice";
        }
        seen[index] = true;
    }
    const CategoryCounts counts = compute_counts(deck);
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        if (counts[i] != 0 && !seen[i]) {
            return "the order leaves out " +
                   std::string(displayName(static_cast<HandCategory>(i))) +
                   ", which the deck has hands of";
        }
    }
    return std::nullopt;
}

OrderPlaces placesOf(const CategoryOrder& order) {
    OrderPlaces places{};
    places.fill(kNoPlace);
    for (std::size_t place = 0; place < order.size() && place < kCategoryCount; ++place) {
        places[indexOf(order[place])] = static_cast<std::uint8_t>(place);
    }
    return places;
}

}  // namespace marvane
