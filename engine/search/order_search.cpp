// SPDX-License-Identifier: MIT
#include "engine/search/order_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "engine/exact/five_card_formulas.h"
#include "engine/exact/k_card_count.h"
#include "engine/vocabulary/hand_count.h"

namespace marvane {

namespace {

constexpr std::int8_t kNoSlot = -1;

using SetHands = std::vector<std::pair<CategorySet, std::uint64_t>>;

SetHands setHandsOf(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    if (countedByFiveCardFormulas(cards, jokers)) {
        // One category per five-card hand; the table would say the same,
        // the closed forms say it without a walk.
        if (!deck.isAdmissible()) {
            throw std::invalid_argument("deck " + std::to_string(deck.suits) + " x " +
                                        std::to_string(deck.ranks) + " is not admissible");
        }
        const CategoryCounts counts = compute_counts(deck);
        SetHands sets;
        for (std::size_t c = 0; c < kCategoryCount; ++c) {
            if (counts[c] != 0) {
                sets.emplace_back(1u << c, counts[c]);
            }
        }
        return sets;
    }
    return KCardCountTable(deck, cards, jokers).categorySets();
}

}  // namespace

OrderCounter::OrderCounter(Deck deck, std::uint32_t cards, std::uint32_t jokers)
    : deck_(deck), cards_(cards), jokers_(jokers), categories_(defaultOrder(deck, cards, jokers)) {
    const SetHands sets = setHandsOf(deck, cards, jokers);  // checks its arguments first
    std::array<std::int8_t, kCategoryCount> slotOf{};
    slotOf.fill(kNoSlot);
    for (std::size_t slot = 0; slot < categories_.size(); ++slot) {
        slotOf[indexOf(categories_[slot])] = static_cast<std::int8_t>(slot);
    }
    within_.assign(std::size_t{1} << categories_.size(), 0);
    for (const auto& [set, hands] : sets) {
        std::uint32_t slots = 0;
        for (CategorySet rest = set; rest != 0; rest &= rest - 1) {
            const std::int8_t slot = slotOf[std::countr_zero(rest)];
            if (slot == kNoSlot) {
                throw std::logic_error(
                    "a hand's five falls into a category the deck has no "
                    "five-card hand of");
            }
            slots |= 1u << slot;
        }
        within_[slots] += hands;
    }
    // Sum over subsets, one slot at a time: afterwards within_[T] holds the
    // hands of every set inside T.
    for (std::size_t slot = 0; slot < categories_.size(); ++slot) {
        const std::uint32_t bit = 1u << slot;
        for (std::uint32_t t = 0; t < within_.size(); ++t) {
            if (t & bit) {
                within_[t] += within_[t ^ bit];
            }
        }
    }
}

std::uint64_t OrderCounter::countGiven(HandCategory category, CategorySet above) const {
    std::uint32_t aboveSlots = 0;
    std::optional<std::size_t> slotOfCategory;
    for (std::size_t slot = 0; slot < categories_.size(); ++slot) {
        if (above & (1u << indexOf(categories_[slot]))) {
            aboveSlots |= 1u << slot;
        }
        if (categories_[slot] == category) {
            slotOfCategory = slot;
        }
    }
    return slotOfCategory ? countGivenSlots(*slotOfCategory, aboveSlots) : 0;
}

CategoryCounts64 OrderCounter::counts(const CategoryOrder& order) const {
    if (const auto problem = orderProblem(deck_, cards_, order, jokers_)) {
        throw std::invalid_argument(*problem);
    }
    CategoryCounts64 counts;
    CategorySet above = 0;
    for (HandCategory category : order) {
        counts[category] = countGiven(category, above);
        above |= 1u << indexOf(category);
    }
    return counts;
}

bool isSelfConsistent(const CategoryOrder& order, const CategoryCounts64& counts) {
    // Non-decreasing along the order: by transitivity every earlier category
    // then has at most as many hands as every later one.
    return std::is_sorted(order.begin(), order.end(),
                          [&](HandCategory a, HandCategory b) { return counts[a] < counts[b]; });
}

std::vector<BreakingPair> breakingPairs(const CategoryOrder& order,
                                        const CategoryCounts64& counts) {
    std::vector<BreakingPair> pairs;
    for (std::size_t below = 0; below < order.size(); ++below) {
        for (std::size_t above = 0; above < below; ++above) {
            const HandCategory rarer = order[below];
            const HandCategory commoner = order[above];
            if (counts[rarer] < counts[commoner]) {
                pairs.push_back({rarer, commoner, counts[rarer], counts[commoner]});
            }
        }
    }
    return pairs;
}

OrderSearch searchOrder(const OrderCounter& counter) {
    OrderSearch search;
    CategoryOrder order = counter.categories();
    for (;;) {
        const CategoryCounts64 counts = counter.counts(order);
        search.steps.push_back({order, counts});
        std::stable_sort(order.begin(), order.end(),
                         [&](HandCategory a, HandCategory b) { return counts[a] < counts[b]; });
        if (order == search.steps.back().order) {
            search.outcome = OrderSearchOutcome::SelfConsistent;
            return search;
        }
        // Each order determines the next, so a repeat means a cycle for good.
        for (std::size_t earlier = 0; earlier + 1 < search.steps.size(); ++earlier) {
            if (search.steps[earlier].order == order) {
                search.outcome = OrderSearchOutcome::Cycle;
                search.period = search.steps.size() - earlier;
                return search;
            }
        }
    }
}

// Self-consistency asks for counts that never fall along the order, and the
// count of the category at place i depends only on the set of the i
// categories above it. So build orders from the top, a set U of categories
// placed so far at a time.
//
// A prefix c1..ck (placed set U, counts x1 <= .. <= xk so far) goes on to a
// self-consistent order exactly when there is a continuation whose counts,
// each fixed by U and the continuation's own earlier members, start at
// least at xk and never fall. Whether one exists depends on U and xk alone,
// and a smaller xk only makes it easier. So of all valid prefixes with the
// same U only the one with the smallest last count matters:
//
//   least[{}] = 0
//   least[U + c] = min over c not in U with countGiven(c, U) >= least[U]
//                  of countGiven(c, U)
//
// by induction on |U|, least[U] is the smallest last count of any valid
// prefix placing U (unset when there is none), and a self-consistent order
// exists exactly when least[all categories] is set. Following each set's
// best last step back from the full set gives one such order. 2^n sets of
// n steps each, n <= 17.
std::optional<CategoryOrder> findSelfConsistentOrder(const OrderCounter& counter) {
    constexpr std::uint64_t kUnreached = std::numeric_limits<std::uint64_t>::max();
    const std::size_t n = counter.slotCount();
    const std::uint32_t full = (1u << n) - 1;
    std::vector<std::uint64_t> least(std::size_t{1} << n, kUnreached);
    std::vector<std::uint8_t> lastSlot(std::size_t{1} << n, 0);
    least[0] = 0;
    // Every set comes after its subsets in numeric order.
    for (std::uint32_t placed = 0; placed < full; ++placed) {
        if (least[placed] == kUnreached) {
            continue;
        }
        for (std::size_t slot = 0; slot < n; ++slot) {
            const std::uint32_t next = placed | (1u << slot);
            if (next == placed) {
                continue;
            }
            const std::uint64_t count = counter.countGivenSlots(slot, placed);
            // Strictly less: of equal last counts the first found stays, so
            // the answer is the same on every run.
            if (count >= least[placed] && count < least[next]) {
                least[next] = count;
                lastSlot[next] = static_cast<std::uint8_t>(slot);
            }
        }
    }
    if (least[full] == kUnreached) {
        return std::nullopt;
    }
    CategoryOrder order(n);
    std::uint32_t placed = full;
    for (std::size_t place = n; place-- > 0;) {
        const std::size_t slot = lastSlot[placed];
        order[place] = counter.categories()[slot];
        placed &= ~(1u << slot);
    }
    return order;
}

}  // namespace marvane
