// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// The exact number of hands of five to seven cards in every category, without
// visiting the hands, in a deck with or without jokers.
//
// A hand's category is the best member of the set of categories its fives
// fall into, and that set does not depend on the order. So the table counts,
// once per deck and hand size, the hands with each possible set of
// categories; counting under an order then only picks each set's best
// member, a few hundred sets at most. Build the table once and call counts()
// as often as needed.
//
// How the sets are counted: a hand is a set of d distinct ranks, how many
// cards of each it holds (the multiplicities, in rank order) and which suits
// those cards have. Which fives of distinct ranks are straights depends on
// the ranks alone; which suit patterns each five can take depends on the
// multiplicities and the suits alone, and only up to renaming the suits. So
// the rank sets are counted by their straights, the suit assignments are
// walked once per multiplicity vector, one per class of renamings with its
// size as weight, and the two are multiplied (hand_classes.h).
//
// Jokers: a hand with j jokers is its natural part of K - j cards and the
// jokers, which stand for any cards, also ones the hand holds. Its set is
// what the natural part's groups of 5 - j cards can be completed to, which
// depends on the same classes, with "is a straight" widened to "fits inside
// one straight"; each natural part stands for its C(J, j) hands.
class KCardCountTable {
public:
    // Throws std::invalid_argument for a deck outside 4..8 x 7..20, a hand
    // size outside kMinCards..kMaxCards or more than kMaxJokers jokers.
    KCardCountTable(Deck deck, std::uint32_t cards, std::uint32_t jokers = 0);

    Deck deck() const { return deck_; }
    std::uint32_t cards() const { return cards_; }
    std::uint32_t jokers() const { return jokers_; }

    // The hands in every category under the order. Throws
    // std::invalid_argument for an order that can't rank the hands (see
    // orderProblem).
    CategoryCounts64 counts(const CategoryOrder& order) const;

    // Bit c of a set is category c; each set with the number of hands whose
    // fives fall into exactly those categories. The hands add up to
    // C(S * R, cards).
    const std::vector<std::pair<std::uint32_t, std::uint64_t>>& categorySets() const {
        return sets_;
    }

private:
    Deck deck_;
    std::uint32_t cards_;
    std::uint32_t jokers_;
    std::vector<std::pair<std::uint32_t, std::uint64_t>> sets_;
};

// One count from scratch, for a caller with a single order.
CategoryCounts64 countKCards(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                             std::uint32_t jokers = 0);

}  // namespace marvane
