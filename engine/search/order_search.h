// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// Which ranking holds for hands of K cards. A hand of more than five cards
// counts in the best category among its fives, so the counts depend on the
// order, and an order can defeat itself: a category ranked below another
// may end up rarer than it.

// A set of categories, bit c for category c (as KCardCountTable's sets).
using CategorySet = std::uint32_t;

// The hands of one deck and hand size by the set of categories their fives
// fall into, ready to give any category's count under any order.
//
// A category's count under an order depends only on the set U of categories
// ranked above it: the hands whose set holds it and nothing of U. With
// within(T) = the hands whose set lies inside T, that is
// within(~U) - within(~U without the category), so one subset-sum table over
// the categories the deck has five-card hands of answers every such question
// with two look-ups.
class OrderCounter {
public:
    // At five cards without jokers from the closed forms (every such hand
    // has one category), else from KCardCountTable. Throws
    // std::invalid_argument for an inadmissible deck, hand size or number of
    // jokers.
    OrderCounter(Deck deck, std::uint32_t cards, std::uint32_t jokers = 0);

    Deck deck() const { return deck_; }
    std::uint32_t cards() const { return cards_; }
    std::uint32_t jokers() const { return jokers_; }

    // The categories some hand can reach, in the deck's own order
    // (defaultOrder): the ones every order ranks.
    const CategoryOrder& categories() const { return categories_; }

    // The hands of the category when exactly `above` is ranked above it
    // (0 when the category is in `above`, or has no five-card hand).
    std::uint64_t countGiven(HandCategory category, CategorySet above) const;

    // Every category's count under the order. Throws std::invalid_argument
    // for an order that can't rank the deck's hands (see orderProblem).
    CategoryCounts64 counts(const CategoryOrder& order) const;

    // The same questions over slots: slot i is categories()[i], a slot set
    // has bit i for slot i. For searches over all subsets.
    std::size_t slotCount() const { return categories_.size(); }
    std::uint64_t countGivenSlots(std::size_t slot, std::uint32_t aboveSlots) const {
        const std::uint32_t rest = fullSlots() & ~aboveSlots;
        return within_[rest] - within_[rest & ~(1u << slot)];
    }

private:
    std::uint32_t fullSlots() const { return (1u << categories_.size()) - 1; }

    Deck deck_;
    std::uint32_t cards_;
    std::uint32_t jokers_;
    CategoryOrder categories_;
    std::vector<std::uint64_t> within_;  // by slot set: the hands whose set lies inside it
};

// True when no category has more hands than one ranked below it (equal
// counts are fine): the counts never fall along the order.
bool isSelfConsistent(const CategoryOrder& order, const CategoryCounts64& counts);

// A pair of categories that breaks self-consistency: `rarer` is ranked
// below `commoner` and has fewer hands.
struct BreakingPair {
    HandCategory rarer;
    HandCategory commoner;
    std::uint64_t rarerCount;
    std::uint64_t commonerCount;
    friend bool operator==(const BreakingPair&, const BreakingPair&) = default;
};

// Every breaking pair, not only neighbours: each shows a category that would
// have to move above another. In order of the rarer one's place, then of the
// commoner one's. Empty exactly when the order is self-consistent.
std::vector<BreakingPair> breakingPairs(const CategoryOrder& order, const CategoryCounts64& counts);

// One order of the search and the counts it gives.
struct OrderStep {
    CategoryOrder order;
    CategoryCounts64 counts;
};

enum class OrderSearchOutcome { SelfConsistent, Cycle };

// The search for a self-consistent order: start from the deck's own order,
// count under it, sort the categories by those counts (ascending, equal
// counts keeping their place) and count again, until the order stays the
// same (self-consistent) or an earlier order comes back (a cycle).
struct OrderSearch {
    // steps[0] is the deck's own order; each next order is the previous
    // one sorted by its counts. No order appears twice.
    std::vector<OrderStep> steps;
    OrderSearchOutcome outcome = OrderSearchOutcome::SelfConsistent;
    // For a cycle: the last `period` steps repeat, the next sort giving
    // steps[steps.size() - period] again. 0 when self-consistent.
    std::size_t period = 0;

    // Sorts that changed the order: steps.size() - 1 when self-consistent,
    // and then steps.back() is the self-consistent order.
    std::size_t sorts() const { return steps.size() - 1; }
};

OrderSearch searchOrder(const OrderCounter& counter);

// Whether any order at all is self-consistent, decided exactly over the
// subsets of categories; one such order, or nothing.
std::optional<CategoryOrder> findSelfConsistentOrder(const OrderCounter& counter);

}  // namespace marvane
