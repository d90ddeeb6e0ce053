// SPDX-License-Identifier: MIT
#include "engine/vocabulary/category_order.h"

#include <algorithm>

#include "engine/exact/five_card_formulas.h"

namespace marvane {

std::uint32_t reachableCategories(Deck deck, std::uint32_t jokers) {
    const CategoryCounts counts = compute_counts(deck);
    std::uint32_t reachable = 0;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        if (counts[i] != 0) {
            reachable |= 1u << i;
        }
    }
    // Four of a rank and a joker; every other category needs nothing a
    // joker can add (a rainbow still needs five suits).
    if (jokers > 0) {
        reachable |= 1u << indexOf(HandCategory::FiveOfAKind);
    }
    return reachable;
}

CategoryOrder defaultOrder(Deck deck, std::uint32_t jokers) {
    const CategoryCounts counts = compute_counts(deck);
    const std::uint32_t reachable = reachableCategories(deck, jokers);
    CategoryOrder order;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        if (reachable & (1u << i)) {
            order.push_back(static_cast<HandCategory>(i));
        }
    }
    // No natural hand counts as rarest of all; stable, so equal counts keep
    // index order.
    auto rarity = [&](HandCategory c) { return counts[c] == 0 ? -1 : std::int64_t{counts[c]}; };
    std::stable_sort(order.begin(), order.end(),
                     [&](HandCategory a, HandCategory b) { return rarity(a) < rarity(b); });
    return order;
}

std::optional<std::string> orderProblem(Deck deck, const CategoryOrder& order,
                                        std::uint32_t jokers) {
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
    const std::uint32_t reachable = reachableCategories(deck, jokers);
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        if ((reachable & (1u << i)) && !seen[i]) {
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
