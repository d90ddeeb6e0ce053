// SPDX-License-Identifier: MIT
#include "report/results/count_table.h"

#include "engine/enumeration/five_card_hands.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

SharedCountTable buildCountTable(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    return std::make_shared<const OrderCounter>(deck, cards, jokers);
}

std::uint32_t enumerationWorkers() {
    return defaultWorkerCount();
}

}  // namespace marvane
