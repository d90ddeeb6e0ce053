// SPDX-License-Identifier: MIT
#include "engine/enumeration/work_split.h"

#include <algorithm>

#include "engine/vocabulary/hand_count.h"

namespace marvane {

namespace {

std::uint64_t distance(std::uint64_t a, std::uint64_t b) {
    return a > b ? a - b : b - a;
}

}  // namespace

std::uint64_t handsWithFirstCards(std::uint32_t deckCards, std::uint32_t handCards,
                                  FirstCards first) {
    const std::uint32_t end = std::min(first.end, deckCards);
    if (handCards == 0 || first.begin >= end) {
        return 0;
    }
    return choose64(deckCards - first.begin, handCards) - choose64(deckCards - end, handCards);
}

FirstCards firstCardsOf(std::uint32_t deckCards, std::uint32_t handCards,
                        const std::optional<FirstCards>& share) {
    const std::uint32_t firstCards = deckCards >= handCards ? deckCards - handCards + 1 : 0;
    if (!share) {
        return {0, firstCards};
    }
    const std::uint32_t begin = std::min(share->begin, firstCards);
    return {begin, std::clamp(share->end, begin, firstCards)};
}

std::vector<FirstCards> splitFirstCards(std::uint32_t deckCards, std::uint32_t handCards,
                                        std::uint32_t shares,
                                        const std::optional<FirstCards>& within) {
    if (shares == 0 || handCards == 0 || deckCards < handCards) {
        return {};
    }
    const FirstCards range = firstCardsOf(deckCards, handCards, within);
    const std::uint64_t total = handsWithFirstCards(deckCards, handCards, range);
    // Hands whose first card index is from the range's start to below `cut`.
    auto handsBefore = [&](std::uint32_t cut) {
        return handsWithFirstCards(deckCards, handCards, {range.begin, cut});
    };

    std::vector<FirstCards> ranges;
    ranges.reserve(shares);
    std::uint32_t begin = range.begin;
    for (std::uint32_t share = 1; share <= shares; ++share) {
        std::uint32_t end = range.end;
        if (share < shares) {
            const std::uint64_t target = total * share / shares;
            end = begin;
            while (end < range.end &&
                   distance(handsBefore(end + 1), target) < distance(handsBefore(end), target)) {
                ++end;
            }
        }
        ranges.push_back({begin, end});
        begin = end;
    }
    return ranges;
}

std::vector<FirstCards> splitFirstCardsByHands(Deck deck, std::uint32_t shares) {
    if (!deck.isAdmissible()) {
        return {};
    }
    return splitFirstCards(deck.cardCount(), kHandSize, shares);
}

}  // namespace marvane
