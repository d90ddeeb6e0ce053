// SPDX-License-Identifier: MIT
#include "engine/work_split.h"

namespace marvane {

namespace {

std::uint64_t distance(std::uint64_t a, std::uint64_t b) {
    return a > b ? a - b : b - a;
}

}  // namespace

std::vector<FirstCards> splitFirstCardsByHands(Deck deck, std::uint32_t shares) {
    if (shares == 0 || !deck.isAdmissible()) {
        return {};
    }
    const std::uint32_t cards = deck.cardCount();
    const std::uint32_t firstCards = cards - (kHandSize - 1);
    const std::uint64_t total = handsAmong(cards);
    // Hands whose first card index is below `cut`.
    auto handsBefore = [&](std::uint32_t cut) { return total - handsAmong(cards - cut); };

    std::vector<FirstCards> ranges;
    ranges.reserve(shares);
    std::uint32_t begin = 0;
    for (std::uint32_t share = 1; share <= shares; ++share) {
        std::uint32_t end = firstCards;
        if (share < shares) {
            const std::uint64_t target = total * share / shares;
            end = begin;
            while (end < firstCards &&
                   distance(handsBefore(end + 1), target) < distance(handsBefore(end), target)) {
                ++end;
            }
        }
        ranges.push_back({begin, end});
        begin = end;
    }
    return ranges;
}

}  // namespace marvane
