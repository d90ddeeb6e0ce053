// SPDX-License-Identifier: MIT
#include "report/cards_counting.h"

#include "engine/card_counts.h"
#include "engine/enumeration.h"

namespace marvane {

CardsCounting buildCardsCounting(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    return std::make_shared<const OrderCounter>(deck, cards, jokers);
}

std::uint64_t handsOf(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    return choose64(deck.cardCount() + jokers, cards);
}

std::uint32_t enumerationWorkers() {
    return defaultWorkerCount();
}

}  // namespace marvane
