// SPDX-License-Identifier: MIT
#include "engine/vocabulary/category_order.h"

#include <algorithm>
#include <bit>

#include "engine/exact/five_card_formulas.h"
#include "engine/exact/k_card_count.h"
#include "engine/vocabulary/hand_count.h"

namespace marvane {

namespace {

// The hands without jokers by category: the five-card ones from five cards
// up, the hand's own below.
CategoryCounts64 naturalCounts(Deck deck, std::uint32_t cards) {
    CategoryCounts64 counts;
    if (cards >= kHandSize) {
        const CategoryCounts five = compute_counts(deck);
        for (std::size_t i = 0; i < kCategoryCount; ++i) {
            counts[i] = five[i];
        }
        return counts;
    }
    // Every such hand reaches one category: each set is a single bit.
    const KCardCountTable table(deck, cards);
    for (const auto& [set, hands] : table.categorySets()) {
        counts[static_cast<std::size_t>(std::countr_zero(set))] += hands;
    }
    return counts;
}

}  // namespace

std::uint32_t reachableCategories(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    std::uint32_t reachable = 0;
    if (cards < kHandSize) {
        const KCardCountTable table(deck, cards, jokers);
        for (const auto& [set, hands] : table.categorySets()) {
            reachable |= set;
        }
        return reachable;
    }
    const CategoryCounts counts = compute_counts(deck);
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

CategoryOrder defaultOrder(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    const CategoryCounts64 counts = naturalCounts(deck, cards);
    const std::uint32_t reachable = reachableCategories(deck, cards, jokers);
    CategoryOrder order;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        if (reachable & (1u << i)) {
            order.push_back(static_cast<HandCategory>(i));
        }
    }
    // No natural hand counts as rarest of all; stable, so equal counts keep
    // index order.
    auto rarity = [&](HandCategory c) {
        return counts[c] == 0 ? std::int64_t{-1} : static_cast<std::int64_t>(counts[c]);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](HandCategory a, HandCategory b) { return rarity(a) < rarity(b); });
    return order;
}

std::optional<std::string> orderProblem(Deck deck, std::uint32_t cards, const CategoryOrder& order,
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
    const std::uint32_t reachable = reachableCategories(deck, cards, jokers);
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
