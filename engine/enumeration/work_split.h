// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/vocabulary/deck.h"

namespace marvane {

// First card indices [begin, end) (card number = index + 1): the hands whose
// lowest card is one of these.
struct FirstCards {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;

    friend bool operator==(const FirstCards&, const FirstCards&) = default;
};

// The hands of `handCards` cards among `deckCards` cards whose lowest card
// index lies in `first`.
std::uint64_t handsWithFirstCards(std::uint32_t deckCards, std::uint32_t handCards,
                                  FirstCards first);

// The first cards of hands of `handCards` cards among `deckCards`: all of
// them, or those of `share` that start a hand.
FirstCards firstCardsOf(std::uint32_t deckCards, std::uint32_t handCards,
                        const std::optional<FirstCards>& share);

// Cuts the first cards of hands of `handCards` cards among `deckCards` into
// `shares` consecutive ranges holding about equally many hands: a low first
// card starts far more hands than a high one, so equal index ranges would
// leave the first worker with most of the work. Each cut falls where the
// hands before it come nearest to its even share. Ranges may be empty when
// there are more shares than first cards; none for no shares (0) or no hand.
// Given `within`, only its first cards are cut (a share cut into pieces).
std::vector<FirstCards> splitFirstCards(std::uint32_t deckCards, std::uint32_t handCards,
                                        std::uint32_t shares,
                                        const std::optional<FirstCards>& within = {});

// The same for the five-card hands of a deck; none for an inadmissible deck.
std::vector<FirstCards> splitFirstCardsByHands(Deck deck, std::uint32_t shares);

}  // namespace marvane
