// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace marvane {

// One card: a rank 0..R-1 and a suit 0..S-1. The reference enumeration builds
// and destroys these by the hundred million, so the class stays tiny; the
// virtual destructor keeps it usable as a base.
class Card {
public:
    Card() = default;
    Card(std::uint32_t rank, std::uint32_t suit) : rank(rank), suit(suit) {}
    Card(const Card&) = default;
    Card& operator=(const Card&) = default;
    virtual ~Card() = default;

    // Cards are numbered 1..S*R, rank-major: all suits of rank 0 first.
    static Card fromNumber(std::uint32_t number, std::uint32_t suits) {
        return Card((number - 1) / suits, (number - 1) % suits);
    }
    std::uint32_t number(std::uint32_t suits) const { return rank * suits + suit + 1; }

    friend bool operator==(const Card& a, const Card& b) {
        return a.rank == b.rank && a.suit == b.suit;
    }

    std::uint32_t rank = 0;
    std::uint32_t suit = 0;
};

// The cards of one hand in the order they were dealt; the classifier only
// ever sees full five-card hands.
using Hand = std::vector<Card>;

}  // namespace marvane
