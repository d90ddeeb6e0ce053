// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "engine/vocabulary/deck.h"

namespace marvane {

// The hand sizes a deck is counted at. Hands of three and four cards are
// classed as themselves; hands of six to eight count as their best five.
// Five is the program's own hand size; its 32-bit tables stay as they are.
inline constexpr std::uint32_t kMinCards = 3;
inline constexpr std::uint32_t kMaxCards = 8;

// The cards a category is made of in a hand of `cards` cards: the whole hand
// up to five, else the best five.
constexpr std::uint32_t classedCards(std::uint32_t cards) {
    return cards < kHandSize ? cards : kHandSize;
}

// C(n, k) exactly in 64 bits; 0 when n < k. Every admissible deck's number of
// hands of up to eight cards fits: C(164, 8) = 10,912,535,409,348 (with four
// jokers), and every intermediate product stays below 2^63.
constexpr std::uint64_t choose64(std::uint64_t n, std::uint64_t k) {
    if (n < k) {
        return 0;
    }
    std::uint64_t result = 1;
    for (std::uint64_t i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;  // exact: a binomial at every step
    }
    return result;
}

// The hands of `cards` cards a deck with `jokers` jokers added holds:
// C(S * R + J, cards). The one count of a deck's hands (the five-card
// dialog's own, with its floating-point "*", is the binomial's).
constexpr std::uint64_t handsOf(Deck deck, std::uint32_t cards, std::uint32_t jokers = 0) {
    return choose64(std::uint64_t{deck.cardCount()} + jokers, cards);
}

// Whether hands of `cards` cards with `jokers` jokers are the five-card
// calculator's own: one category per hand, counted by the closed formulas in
// 32 bits with the binomial's "*", enumerated with a tick every step hands.
// Every other hand size, and any deck with jokers, counts its hands in the
// best category they reach, exactly in 64 bits.
constexpr bool countedByFiveCardFormulas(std::uint32_t cards, std::uint32_t jokers) {
    return cards == kHandSize && jokers == 0;
}

}  // namespace marvane
