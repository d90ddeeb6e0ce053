// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "engine/deck.h"

namespace marvane {

// First card indices [begin, end) (card number = index + 1): the hands whose
// lowest card is one of these.
struct FirstCards {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;

    friend bool operator==(const FirstCards&, const FirstCards&) = default;
};

// C(cards, 5), the hands a deck of that many cards holds.
constexpr std::uint64_t handsAmong(std::uint64_t cards) {
    return cards < kHandSize ? 0
                             : cards * (cards - 1) * (cards - 2) * (cards - 3) * (cards - 4) / 120;
}

// Cuts the deck's first cards into `shares` consecutive ranges holding about
// equally many hands: a low first card starts far more hands than a high one,
// so equal index ranges would leave the first worker with most of the work.
// Each cut falls where the hands before it come nearest to its even share.
// Ranges may be empty when there are more shares than first cards. No shares
// (0) or an inadmissible deck give none.
std::vector<FirstCards> splitFirstCardsByHands(Deck deck, std::uint32_t shares);

}  // namespace marvane
