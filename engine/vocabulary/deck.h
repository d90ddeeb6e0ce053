// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace marvane {

// Admissible deck sizes: the dialog and the command-line tool accept nothing else.
inline constexpr std::uint32_t kMinSuits = 4;
inline constexpr std::uint32_t kMaxSuits = 8;
inline constexpr std::uint32_t kMinRanks = 7;
inline constexpr std::uint32_t kMaxRanks = 20;

// Five-card hands throughout.
inline constexpr std::uint32_t kHandSize = 5;

// Jokers a deck may hold besides its S x R cards; each stands for any card.
inline constexpr std::uint32_t kMaxJokers = 4;

// A deck of S suits and R ranks holding one card of every (rank, suit) pair.
struct Deck {
    std::uint32_t suits = kMinSuits;
    std::uint32_t ranks = 13;

    constexpr std::uint32_t cardCount() const { return suits * ranks; }
    constexpr bool isAdmissible() const {
        return suits >= kMinSuits && suits <= kMaxSuits && ranks >= kMinRanks && ranks <= kMaxRanks;
    }
    friend constexpr bool operator==(const Deck&, const Deck&) = default;
};

}  // namespace marvane
